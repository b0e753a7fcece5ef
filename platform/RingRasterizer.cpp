#include "platform/RingRasterizer.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

// std::floor is a library call without SSE4.1 and would cost a third of the burst.
inline int floorToInt(double v)
{
    const int i = int(v);
    return i - (v < double(i));
}

// Below this, squared offsets are exact in a double and offsets fit an int; larger circles take
// the plain rule.
constexpr double FastLimit = 1e7;

constexpr int PrefetchRows = 4;

struct Bounds {
    double outer2;
    double inner2;
};

Bounds boundsOf(double radius, double penWidth)
{
    const double outer = radius + penWidth / 2;
    const double inner = std::max(0.0, radius - penWidth / 2);
    return {outer * outer, inner * inner};
}

/// The largest k >= 0 with k^2 + dd <= outer2, or -1. Rounding is monotonic, so the root of
/// the rounded difference never falls short of k; it can overshoot by one, which the exact
/// check takes back.
inline int outerReach(double dd, double outer2)
{
    int k = int(std::sqrt(std::max(outer2 - dd, 0.0)));
    k -= double(k) * k + dd > outer2;
    return k;
}

/// The largest m >= 0 with m^2 + dd < inner2, or -1 where the row misses the hole.
inline int holeReach(double dd, double inner2)
{
    int m = int(std::sqrt(std::max(inner2 - dd, 0.0)));
    m -= double(m) * m + dd >= inner2;
    return m;
}

inline void fill(uint32_t* row, int from, int to, uint32_t pixel)
{
    for (int i = from; i <= to; ++i)
        row[i] = pixel;
}

void drawByRule(const PixelBuffer& buffer, double cx, double cy, double radius, double penWidth,
                uint32_t pixel)
{
    for (int j = 0; j < buffer.height; ++j)
        for (int i = 0; i < buffer.width; ++i)
            if (RingRasterizer::covers(i, j, cx, cy, radius, penWidth))
                buffer.bits[std::ptrdiff_t(j) * buffer.stride + i] = pixel;
}

} // namespace

bool RingRasterizer::covers(int i, int j, double cx, double cy, double radius, double penWidth)
{
    const Bounds bounds = boundsOf(radius, penWidth);
    const double dx = double(i) - std::floor(cx);
    const double dy = double(j) - std::floor(cy);
    const double d2 = dx * dx + dy * dy;
    return d2 <= bounds.outer2 && d2 >= bounds.inner2;
}

void RingRasterizer::drawRing(const PixelBuffer& buffer, double cx, double cy, double radius,
                              double penWidth, uint32_t pixel)
{
    const int w = buffer.width;
    const int h = buffer.height;
    const Bounds bounds = boundsOf(radius, penWidth);
    const double outer = std::sqrt(bounds.outer2);
    if (w <= 0 || h <= 0 || !(bounds.outer2 >= 0) || !std::isfinite(cx) || !std::isfinite(cy))
        return;
    if (cx + outer + 1 < 0 || cx - outer - 1 > w || cy + outer + 1 < 0 || cy - outer - 1 > h)
        return;
    if (outer > FastLimit || std::abs(cx) > FastLimit || std::abs(cy) > FastLimit) {
        drawByRule(buffer, cx, cy, radius, penWidth, pixel);
        return;
    }

    const int ci = floorToInt(cx);
    const int cj = floorToInt(cy);
    // Row offsets d reach rows cj - d and cj + d; only those that can land in the buffer.
    const int first = std::max({0, -cj, cj - (h - 1)});
    const int last = std::min(int(outer) + 1, std::max(cj, h - 1 - cj));

    for (int d = first; d <= last; ++d) {
        const double dd = double(d) * d;
        const int k = outerReach(dd, bounds.outer2);
        if (k < 0)
            break;
        const int m = holeReach(dd, bounds.inner2);
        const int left = std::max(ci - k, 0);
        const int right = std::min(ci + k, w - 1);
        if (left > right)
            continue;
        const int innerLeft = m < 0 ? right : std::min(ci - m - 1, right);
        const int innerRight = m < 0 ? right + 1 : std::max(ci + m + 1, left);

        for (int j : {cj - d, cj + d}) {
            if (j >= 0 && j < h) {
                uint32_t* row = buffer.bits + std::ptrdiff_t(j) * buffer.stride;
                // Rows are a stride apart, too far for the hardware prefetcher: at full screen
                // every row would otherwise wait for memory.
                const int ahead = j < cj ? j - PrefetchRows : j + PrefetchRows;
                if (ahead >= 0 && ahead < h) {
                    const uint32_t* next = buffer.bits + std::ptrdiff_t(ahead) * buffer.stride;
                    __builtin_prefetch(next + left, 1);
                    __builtin_prefetch(next + right, 1);
                }
                fill(row, left, innerLeft, pixel);
                fill(row, innerRight, right, pixel);
            }
            if (d == 0)
                break;
        }
    }
}
