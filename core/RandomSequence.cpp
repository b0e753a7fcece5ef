#include "core/RandomSequence.h"

namespace {
// PCG-XSH-RR 32/64 with fixed, arbitrary starting constants: never seeded from the clock.
constexpr uint64_t Multiplier = 6364136223846793005ull;
constexpr uint64_t Increment = 1442695040888963407ull;
constexpr uint64_t StartState = 0x5eed0f5c1c1e5ull;
} // namespace

RandomSequence::RandomSequence() : m_state(StartState) {}

RandomSequence& RandomSequence::process()
{
    static RandomSequence sequence;
    return sequence;
}

uint32_t RandomSequence::nextBits()
{
    const uint64_t old = m_state;
    m_state = old * Multiplier + Increment;
    const auto xorshifted = uint32_t(((old >> 18u) ^ old) >> 27u);
    const auto rotation = uint32_t(old >> 59u);
    return (xorshifted >> rotation) | (xorshifted << ((32u - rotation) & 31u));
}

float RandomSequence::toUnit(uint32_t bits)
{
    return float(bits >> 8) * (1.0f / 16777216.0f);
}

float RandomSequence::next()
{
    return toUnit(nextBits());
}
