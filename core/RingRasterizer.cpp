#include "core/RingRasterizer.h"

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
    const Bounds bounds = boundsOf(radius, penWidth);
    const double outer = std::sqrt(bounds.outer2);
    // NaN fails every comparison, so it takes the plain rule as well, which inks nothing.
    if (!(outer <= FastLimit && std::abs(cx) <= FastLimit && std::abs(cy) <= FastLimit)) {
        drawByRule(buffer, cx, cy, radius, penWidth, pixel);
        return;
    }

    const int ci = floorToInt(cx);
    const int cj = floorToInt(cy);
    // The root never falls short, so no row the ring reaches lies beyond `outer`.
    const int top = std::max(cj - int(outer), 0);
    const int bottom = std::min(cj + int(outer), buffer.height - 1);
    // Away from the centre row the reaches only shrink, so each half of the ring takes one root
    // for its first row and steps down from there, with the very checks the roots end with.
    const auto half = [&](int first, int last, int step) {
        int k = -1, m = -1;
        for (int j = first; j != last + step; j += step) {
            const double dd = double(j - cj) * (j - cj);
            if (j == first) {
                k = outerReach(dd, bounds.outer2);
                m = holeReach(dd, bounds.inner2);
            }
            while (k >= 0 && double(k) * k + dd > bounds.outer2)
                --k;
            while (m >= 0 && double(m) * m + dd >= bounds.inner2)
                --m;
            if (k < 0)
                return;
            const int left = std::max(ci - k, 0);
            const int right = std::min(ci + k, buffer.width - 1);
            uint32_t* row = buffer.bits + std::ptrdiff_t(j) * buffer.stride;
            // Either side of the hole; a row that misses the hole (m = -1) meets at the centre.
            fill(row, left, std::min(ci - m - 1, right), pixel);
            fill(row, std::max(ci + m + 1, left), right, pixel);
        }
    };
    if (std::min(cj, bottom) >= top)
        half(std::min(cj, bottom), top, -1);
    if (bottom >= std::max(cj + 1, top))
        half(std::max(cj + 1, top), bottom, 1);
}
