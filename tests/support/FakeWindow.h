#pragma once

#include "animation/AnimationWindow.h"

#include <QStringList>

#include <map>

/// A window that records every operation the rules perform on it.
class FakeWindow final : public AnimationWindow {
public:
    using Control = AnimationWindow::Control;

    QStringList log;
    int interval = 0;
    std::map<Control, bool> visible{{Control::Exit, true},
                                    {Control::Load, true},
                                    {Control::About, true},
                                    {Control::Panel, true}};
    WindowState state = WindowState::Normal;
    BorderStyle border = BorderStyle::FixedSingle;
    Colour back = Colour::rgb(1, 0, 66);
    int bursts = 0;

    int timerInterval() const override { return interval; }
    void setTimerInterval(int ms) override
    {
        log << QStringLiteral("interval %1").arg(ms);
        interval = ms;
    }
    bool isControlVisible(Control c) const override { return visible.at(c); }
    void setControlVisible(Control c, bool v) override
    {
        log << QStringLiteral("%1 %2").arg(name(c), v ? "shown" : "hidden");
        visible[c] = v;
    }
    void setWindowState(WindowState s) override
    {
        log << QStringLiteral("state %1").arg(int(s));
        state = s;
    }
    void setBorderStyle(BorderStyle b) override
    {
        log << QStringLiteral("border %1").arg(int(b));
        border = b;
    }
    void setBackgroundColour(Colour c) override
    {
        log << QStringLiteral("back %1").arg(c.value(), 0, 16);
        back = c;
    }
    void drawCircleBurst() override { ++bursts; }

    bool fullScreen() const { return !visible.at(Control::Exit); }

private:
    static QString name(Control c)
    {
        switch (c) {
        case Control::Exit:
            return "Exit";
        case Control::Load:
            return "Load";
        case Control::About:
            return "About";
        case Control::Panel:
            return "Panel";
        }
        return {};
    }
};
