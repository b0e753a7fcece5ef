#pragma once

/// Integer division rounded towards minus infinity and towards plus infinity, for positions
/// that a read offset can put before the disc's start; `b` is positive.
class Division {
public:
    static constexpr long long floor(long long a, long long b)
    {
        return a >= 0 ? a / b : -((-a + b - 1) / b);
    }
    static constexpr long long ceil(long long a, long long b) { return -floor(-a, b); }
};
