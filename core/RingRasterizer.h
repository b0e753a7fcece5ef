#pragma once

#include <cstdint>

/// A 32-bit pixel buffer the rasteriser writes into; stride is in pixels.
struct PixelBuffer {
    uint32_t* bits = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
};

/// Draws circle outlines without antialiasing by filling each row's spans directly.
///
/// The pixel rule: the centre c is taken to the pixel it falls in, (ci, cj) = (floor(cx),
/// floor(cy)), as a device works in whole pixels. Pixel (i, j) is painted when
///     max(0, r - w/2)^2 <= (i - ci)^2 + (j - cj)^2 <= (r + w/2)^2
/// with the bounds squared in double. A pen wider than the diameter therefore paints a disc.
/// The ring is symmetric about its centre pixel, so one square root serves four span ends.
class RingRasterizer {
public:
    static void drawRing(const PixelBuffer& buffer, double cx, double cy, double radius,
                         double penWidth, uint32_t pixel);

    /// The rule itself, for one pixel; the fast path must agree with it exactly.
    static bool covers(int i, int j, double cx, double cy, double radius, double penWidth);
};
