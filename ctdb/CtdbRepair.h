#pragma once

#include "ctdb/CtdbSyndromes.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

/// The mends that make an image's audio the entry's: every column's wrong words, found from the
/// difference between the image's own syndromes and those of the entry's parity file.
struct CtdbRepair {
    struct Fix {
        /// The word's place in the audio the syndromes were made from, offset included.
        std::size_t word = 0;
        /// What the word is XORed with.
        std::uint16_t error = 0;
    };

    /// Nothing when any column has more wrong words than the file's npar/2 can mend: the disc
    /// is then beyond repair. `own` was made at `offset` and holds at least the file's npar.
    static std::optional<std::vector<Fix>> fixes(const CtdbSyndromes& own,
                                                 const CtdbSyndromes& file,
                                                 const CtdbLayout& layout, int offset);
    /// The mends made in place; none reaches outside the audio they were found for.
    static void apply(std::span<std::int16_t> audio, const std::vector<Fix>& fixes);
};
