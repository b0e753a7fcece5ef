#include "platform/RingRasterizer.h"

#include <algorithm>
#include <cmath>

namespace {

// std::floor and std::ceil are library calls without SSE4.1 and cost a third of the burst.
inline int floorToInt(double v)
{
    const int i = int(v);
    return i - (v < double(i));
}

inline int ceilToInt(double v)
{
    const int i = int(v);
    return i + (v > double(i));
}

inline double squaredDistance(int i, double cx, double dy2)
{
    const double dx = (i + 0.5) - cx;
    return dx * dx + dy2;
}

inline void fill(uint32_t* row, int from, int to, uint32_t pixel)
{
    if (from <= to)
        std::fill(row + from, row + to + 1, pixel);
}

} // namespace

bool RingRasterizer::covers(int i, int j, double cx, double cy, double radius, double penWidth)
{
    const double outer = radius + penWidth / 2;
    const double inner = std::max(0.0, radius - penWidth / 2);
    const double dx = (i + 0.5) - cx;
    const double dy = (j + 0.5) - cy;
    const double d2 = dx * dx + dy * dy;
    return d2 <= outer * outer && d2 >= inner * inner;
}

void RingRasterizer::drawRing(const PixelBuffer& buffer, double cx, double cy, double radius,
                              double penWidth, uint32_t pixel)
{
    const double outer = radius + penWidth / 2;
    const double inner = std::max(0.0, radius - penWidth / 2);
    const double outer2 = outer * outer;
    const double inner2 = inner * inner;
    const int w = buffer.width;
    const int h = buffer.height;
    if (w <= 0 || h <= 0 || !(outer >= 0) || !std::isfinite(cx) || !std::isfinite(cy))
        return;
    if (cx + outer < 0 || cx - outer > w || cy + outer < 0 || cy - outer > h)
        return;

    // One row of slack each way: the per-row test below is the exact one.
    const int top = std::max(0, floorToInt(std::max(-1.0, cy - outer - 0.5)));
    const int bottom = std::min(h - 1, ceilToInt(std::min(double(h), cy + outer - 0.5)));
    const double lo = -1.0;
    const double hi = double(w);

    for (int j = top; j <= bottom; ++j) {
        const double dy = (j + 0.5) - cy;
        const double dy2 = dy * dy;
        if (dy2 > outer2)
            continue;

        // Outer span from the square root, then nudged so each end obeys the rule exactly.
        const double xo = std::sqrt(outer2 - dy2);
        int left = ceilToInt(std::clamp(cx - xo - 0.5, lo, hi));
        int right = floorToInt(std::clamp(cx + xo - 0.5, lo, hi));
        while (left <= right && squaredDistance(left, cx, dy2) > outer2)
            ++left;
        while (left > 0 && squaredDistance(left - 1, cx, dy2) <= outer2)
            --left;
        while (right >= left && squaredDistance(right, cx, dy2) > outer2)
            --right;
        while (right < w - 1 && squaredDistance(right + 1, cx, dy2) <= outer2)
            ++right;
        left = std::max(left, 0);
        right = std::min(right, w - 1);
        if (left > right)
            continue;

        uint32_t* row = buffer.bits + std::ptrdiff_t(j) * buffer.stride;
        if (dy2 >= inner2) {
            fill(row, left, right, pixel);
            continue;
        }

        // The hole: pixels strictly inside the inner circle.
        const double xi = std::sqrt(inner2 - dy2);
        int holeLeft = floorToInt(std::clamp(cx - xi - 0.5, lo, hi)) + 1;
        int holeRight = ceilToInt(std::clamp(cx + xi - 0.5, lo, hi)) - 1;
        while (holeLeft <= holeRight && squaredDistance(holeLeft, cx, dy2) >= inner2)
            ++holeLeft;
        while (holeLeft > left && squaredDistance(holeLeft - 1, cx, dy2) < inner2)
            --holeLeft;
        while (holeRight >= holeLeft && squaredDistance(holeRight, cx, dy2) >= inner2)
            --holeRight;
        while (holeRight < right && squaredDistance(holeRight + 1, cx, dy2) < inner2)
            ++holeRight;
        if (holeLeft > holeRight) {
            fill(row, left, right, pixel);
            continue;
        }
        fill(row, left, std::min(right, holeLeft - 1), pixel);
        fill(row, std::max(left, holeRight + 1), right, pixel);
    }
}
