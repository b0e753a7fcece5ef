#pragma once

#include "animation/VarInterval.h"

class AnimationWindow;

/// The click toggle and the tick: the timer draws a burst every Step ms while its interval is
/// set. The panel's notifications switch the timer without touching varInterval.
class AnimationPacing {
public:
    static constexpr int16_t Step = 20;

    explicit AnimationPacing(AnimationWindow& window);

    void click();
    void tick();
    void panelStarted();
    void panelStopped();

    VarInterval varInterval() const { return m_varInterval; }
    void setVarInterval(VarInterval value) { m_varInterval = value; }

private:
    AnimationWindow& m_window;
    VarInterval m_varInterval;
};
