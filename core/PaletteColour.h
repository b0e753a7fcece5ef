#pragma once

#include "core/Colour.h"

/// The fixed 16-entry colour-number palette. Numbers outside 0..15 are a programming error.
Colour paletteColour(int number);
