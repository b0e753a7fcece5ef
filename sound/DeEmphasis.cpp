#include "sound/DeEmphasis.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr double SampleRate = 44100;
// The shelf's corner, gain and Q, fitted to the curve by minimising the largest error in dB.
constexpr double ShelfHertz = 5265.09;
constexpr double ShelfDb = -9.4811;
constexpr double ShelfQ = 0.46861;
} // namespace

DeEmphasis::DeEmphasis()
{
    // A high shelf as in Robert Bristow-Johnson's audio EQ cookbook.
    const double a = std::pow(10, ShelfDb / 40);
    const double w0 = 2 * std::numbers::pi * ShelfHertz / SampleRate;
    const double cosw = std::cos(w0);
    const double s = std::sqrt(a) * std::sin(w0) / ShelfQ;
    const double a0 = (a + 1) - (a - 1) * cosw + s;
    m_b0 = a * ((a + 1) + (a - 1) * cosw + s) / a0;
    m_b1 = -2 * a * ((a - 1) + (a + 1) * cosw) / a0;
    m_b2 = a * ((a + 1) + (a - 1) * cosw - s) / a0;
    m_a1 = 2 * ((a - 1) - (a + 1) * cosw) / a0;
    m_a2 = ((a + 1) - (a - 1) * cosw - s) / a0;
}

void DeEmphasis::process(int16_t* samples, std::size_t frames)
{
    for (std::size_t n = 0; n < frames * 2; ++n) {
        Channel& c = m_channels[n % 2];
        const double x = samples[n];
        // Transposed direct form II.
        const double y = m_b0 * x + c.z1;
        c.z1 = m_b1 * x - m_a1 * y + c.z2;
        c.z2 = m_b2 * x - m_a2 * y;
        samples[n] = int16_t(std::clamp(std::lround(y), -32768L, 32767L));
    }
}

void DeEmphasis::reset()
{
    m_channels = {};
}
