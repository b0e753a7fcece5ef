#pragma once

#include "core/Colour.h"

/// The parts of the window that the animation and display-mode rules act on.
class AnimationWindow {
public:
    enum class Control { Exit, Load, About, Panel };
    enum class WindowState { Normal = 0, Maximised = 2 };
    enum class BorderStyle { None = 0, FixedSingle = 1 };

    virtual ~AnimationWindow() = default;

    virtual int timerInterval() const = 0;
    virtual void setTimerInterval(int milliseconds) = 0;
    virtual bool isControlVisible(Control control) const = 0;
    virtual void setControlVisible(Control control, bool visible) = 0;
    virtual void setWindowState(WindowState state) = 0;
    virtual void setBorderStyle(BorderStyle style) = 0;
    virtual void setBackgroundColour(Colour colour) = 0;
    /// One burst of circles on the window, shown at once.
    virtual void drawCircleBurst() = 0;
};
