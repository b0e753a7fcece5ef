#pragma once

#include "animation/AnimationWindow.h"

#include <QStringList>

#include <map>

/// A window that records every operation the rules perform on it.
class FakeWindow final : public AnimationWindow {
public:
    QStringList log;
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
    void setTimerInterval(int ms) override
    {
        log << QStringLiteral("interval %1").arg(interval = ms);
    }
    bool isControlVisible(Control c) const override { return visible.at(c); }
    void setControlVisible(Control c, bool v) override
    {
        static const char* const names[] = {"Exit", "Load", "About", "Panel"};
        log << QStringLiteral("%1 %2").arg(names[int(c)], v ? "shown" : "hidden");
        visible[c] = v;
    }
    void setWindowState(WindowState s) override
    {
        log << QStringLiteral("state %1").arg(int(state = s));
    }
    void setBorderStyle(BorderStyle b) override
    {
        log << QStringLiteral("border %1").arg(int(border = b));
    }
    void setBackgroundColour(Colour c) override
    {
        log << QStringLiteral("background %1").arg(c.value(), 0, 16);
        background = c;
    }
    void drawCircleBurst() override { ++bursts; }

    bool fullScreen() const { return !visible.at(Control::Exit); }
};
