#pragma once

#include "core/RandomSequence.h"

/// The program's sequence from its fixed start, counted: 500 values are one burst.
class CountingRandom final : public RandomSource {
public:
    float next() override
    {
        ++drawn;
        return m_sequence.next();
    }
    int drawn = 0;

private:
    RandomSequence m_sequence;
};
