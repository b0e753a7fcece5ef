#pragma once

#include "ctdb/CtdbSyndromes.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

/// Where an entry's audio lies in an image: the read offset at which column 0 of the image's
/// own audio makes the entry's syndromes, or comes closest with at most npar/2 wrong words.
struct CtdbOffset {
    /// +N when the entry's audio is found N samples further into the image.
    int samples = 0;
    /// Column 0's wrong words at that offset.
    int errors = 0;

    /// The search over every offset below 5880 samples either way, from the image's own
    /// syndromes at offset 0 (at least as many as the entry's) and its `audio` as they were
    /// made from; ties go to the offset nearest 0. Nothing when no offset comes close enough.
    static std::optional<CtdbOffset> find(const CtdbSyndromes& own, const CtdbLayout& layout,
                                          std::span<const std::int16_t> audio,
                                          std::span<const std::uint16_t> entry);
    /// The same from the image's words at the audio's two ends, its first row and its last
    /// protected row, which `wordAt` gives by their place in the audio.
    static std::optional<CtdbOffset> find(const CtdbSyndromes& own, const CtdbLayout& layout,
                                          const std::function<std::uint16_t(std::size_t)>& wordAt,
                                          std::span<const std::uint16_t> entry);
};
