#pragma once

#include "core/RandomSource.h"

#include <cstdint>

/// The program's random sequence. It always starts from the same fixed point, so every run draws
/// the same pictures; process() is the one sequence the whole program shares.
class RandomSequence final : public RandomSource {
public:
    /// A sequence at the fixed starting point (tests and benchmarks make their own).
    RandomSequence();

    static RandomSequence& process();

    float next() override;

    /// Maps 32 random bits to [0, 1) using the top 24, which a float holds exactly; converting
    /// all 32 bits would round the largest values up to 1.0.
    static float toUnit(uint32_t bits);

private:
    uint32_t nextBits();

    uint64_t m_state;
};
