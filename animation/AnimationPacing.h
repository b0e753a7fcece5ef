#pragma once

#include "animation/ClickInterval.h"

class AnimationWindow;

/// The click toggle and the tick: the timer draws a burst every Step ms while its interval is
/// set. The panel's notifications switch the timer without touching the click interval.
class AnimationPacing {
public:
    static constexpr int16_t Step = 20;

    explicit AnimationPacing(AnimationWindow& window);

    void click();
    void tick();
    void panelStarted();
    void panelStopped();

    ClickInterval clickInterval() const { return m_clickInterval; }
    void setClickInterval(ClickInterval value) { m_clickInterval = value; }

private:
    AnimationWindow& m_window;
    ClickInterval m_clickInterval;
};
