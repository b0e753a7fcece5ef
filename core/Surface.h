#pragma once

#include "core/Colour.h"

#include <cstdint>

/// The window's immediate-mode drawing surface. Sizes and coordinates are in the window's scale
/// unit; the pen width is in pixels.
class Surface {
public:
    virtual ~Surface() = default;

    virtual void setPenWidth(int16_t width) = 0;
    virtual int16_t penWidth() const = 0;
    virtual void setPenColour(Colour colour) = 0;
    virtual Colour penColour() const = 0;
    virtual float scaleWidth() const = 0;
    virtual float scaleHeight() const = 0;
    /// Draws at once the outline of a full circle in the current pen, clipped to the client area.
    virtual void drawCircle(float x, float y, float radius) = 0;
};
