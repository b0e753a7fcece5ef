#pragma once

class RandomSource;
class Surface;

/// The program's picture: bursts of random circle outlines drawn over what is already there.
class CircleBurst {
public:
    static constexpr int BurstLength = 100;

    CircleBurst(Surface& surface, RandomSource& random);

    /// One circle: random pen width 1..10, colour number 0..14, centre and radius.
    void drawRandomCircle();
    /// BurstLength circles.
    void drawCircleBurst();

private:
    Surface& m_surface;
    RandomSource& m_random;
};
