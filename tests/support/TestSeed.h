#pragma once

#include <QString>

/// The seed of a random test: fixed, so a run repeats, unless SPINDELLA_SEED chooses another.
inline unsigned testSeed(unsigned fixed)
{
    return qEnvironmentVariableIsSet("SPINDELLA_SEED")
               ? qEnvironmentVariable("SPINDELLA_SEED").toUInt()
               : fixed;
}
