#pragma once

/// The random-value operation: uniform single-precision values in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
};
