#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

/// Undoes the 50/15 µs pre-emphasis some discs were mastered with: a high-shelf biquad fitted
/// to the analog curve (1 + s·15 µs) / (1 + s·50 µs) at 44.1 kHz, within 0.06 dB of it from
/// 20 Hz to 20 kHz (a plain bilinear first-order filter misses by 0.9 dB at 20 kHz).
class DeEmphasis {
public:
    DeEmphasis();

    /// Filters interleaved stereo samples in place, saturating at the sample limits.
    void process(int16_t* samples, std::size_t frames);
    /// Forgets the past, as at a start or a seek.
    void reset();

private:
    struct Channel {
        double z1 = 0, z2 = 0;
    };
    double m_b0, m_b1, m_b2, m_a1, m_a2;
    std::array<Channel, 2> m_channels{};
};
