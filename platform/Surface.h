#pragma once

#include "platform/Colour.h"

#include <cstdint>

/// The window's immediate-mode drawing surface. Sizes and coordinates are in the window's scale
/// unit; the pen width is in pixels.
class Surface {
public:
    virtual ~Surface() = default;

    virtual void setDrawWidth(int16_t width) = 0;
    virtual int16_t DrawWidth() const = 0;
    virtual void setForeColor(Colour colour) = 0;
    virtual Colour ForeColor() const = 0;
    virtual float ScaleWidth() const = 0;
    virtual float ScaleHeight() const = 0;
    /// Draws at once the outline of a full circle in the current pen, clipped to the client area.
    virtual void Circle(float x, float y, float radius) = 0;
};
