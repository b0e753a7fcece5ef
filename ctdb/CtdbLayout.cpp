#include "ctdb/CtdbLayout.h"

namespace {

/// The code's symbols, data and the most parity, all have distinct powers of alpha.
constexpr int MaxRows = 65535 - 16;

} // namespace

std::optional<CtdbLayout> CtdbLayout::of(int audioSectors)
{
    if (audioSectors <= 0)
        return std::nullopt;
    CtdbLayout layout;
    layout.words = std::size_t(audioSectors) * WordsPerSector;
    layout.lastStride = Stride + layout.words % Stride;
    const std::size_t rows = layout.words / Stride;
    if (rows < 3 || rows - 2 > std::size_t(MaxRows))
        return std::nullopt;
    layout.rows = int(rows - 2);
    return layout;
}
