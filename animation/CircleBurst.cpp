#include "animation/CircleBurst.h"

#include "core/PaletteColour.h"
#include "core/RandomSource.h"
#include "core/Surface.h"

#include <cmath>
#include <cstdint>

namespace {
constexpr double WidthRange = 10;
constexpr int WidthOffset = 1;
constexpr double ColourRange = 15;
constexpr double RadiusDivisor = 2;
} // namespace

CircleBurst::CircleBurst(Surface& surface, RandomSource& random)
    : m_surface(surface), m_random(random)
{
}

void CircleBurst::drawRandomCircle()
{
    // The products are floored as computed in double, never after rounding to float.
    const float r1 = m_random.next();
    m_surface.setPenWidth(int16_t(std::floor(double(r1) * WidthRange) + WidthOffset));

    const float r2 = m_random.next();
    m_surface.setPenColour(paletteColour(int(std::floor(double(r2) * ColourRange))));

    const float r3 = m_random.next();
    const double width = m_surface.scaleWidth();
    const float r4 = m_random.next();
    const double height1 = m_surface.scaleHeight();
    const float r5 = m_random.next();
    const double height2 = m_surface.scaleHeight();

    const double radius = r5 * height2 / RadiusDivisor;
    const double y = r4 * height1;
    const double x = r3 * width;
    m_surface.drawCircle(float(x), float(y), float(radius));
}

void CircleBurst::drawCircleBurst()
{
    for (int counter = 1; counter <= BurstLength; ++counter)
        drawRandomCircle();
}
