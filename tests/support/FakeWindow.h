#pragma once

#include "animation/AnimationWindow.h"

#include <map>

/// A window that keeps what the rules set on it.
class FakeWindow final : public AnimationWindow {
public:
    int interval = 0;
    std::map<Control, bool> visible{{Control::Exit, true},
                                    {Control::Load, true},
                                    {Control::About, true},
                                    {Control::Panel, true}};
    WindowState state = WindowState::Normal;
    BorderStyle border = BorderStyle::FixedSingle;
    Colour background = Colour::rgb(1, 0, 66);
    int bursts = 0;

    int timerInterval() const override { return interval; }
    void setTimerInterval(int ms) override { interval = ms; }
    bool isControlVisible(Control c) const override { return visible.at(c); }
    void setControlVisible(Control c, bool v) override { visible[c] = v; }
    void setWindowState(WindowState s) override { state = s; }
    void setBorderStyle(BorderStyle b) override { border = b; }
    void setBackgroundColour(Colour c) override { background = c; }
    void drawCircleBurst() override { ++bursts; }
};
