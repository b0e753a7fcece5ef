#pragma once

#include <cstddef>
#include <optional>

/// How the database cuts a disc's audio, from its first audio track's start to its audio
/// lead-out, into rows of 16-bit words: the first row and the last stride are left out of the
/// disc's sum and parity, which lets a drive's read offset move the window within the audio.
struct CtdbLayout {
    static constexpr std::size_t WordsPerSector = std::size_t{2} * 588;
    /// Ten sectors of words: one row, and each column's step from one row to the next.
    static constexpr std::size_t Stride = 10 * WordsPerSector;
    /// A drive's read offset that the unprotected ends still cover, in samples, exclusive.
    static constexpr int MaxOffset = 5880;

    /// Every 16-bit word of the audio, left and right apart.
    std::size_t words = 0;
    /// The words left out at the end: one row and the sectors short of a whole row.
    std::size_t lastStride = 0;
    /// The protected rows, each column's data symbols.
    int rows = 0;

    /// Nothing for audio too short to hold one protected row or too long for the code.
    static std::optional<CtdbLayout> of(int audioSectors);

    std::size_t bodyBegin() const { return Stride; }
    std::size_t bodyEnd() const { return words - lastStride; }
};
