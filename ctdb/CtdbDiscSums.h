#pragma once

#include "ctdb/CtdbCrc.h"
#include "ctdb/CtdbLayout.h"
#include "ctdb/CtdbOffset.h"
#include "ctdb/CtdbRepair.h"
#include "ctdb/CtdbSyndromes.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

/// What the database needs of a disc's audio, gathered as it streams past once: the syndromes
/// of every column and the sums at any read offset the database allows. A CRC at another
/// offset moves the window's ends only, so the audio around each track's bounds is kept and the
/// stretches between them are summed as they pass: a few megabytes, whatever the disc's length.
class CtdbDiscSums {
public:
    /// For audio of `bounds`: each audio track's start relative to the first, then the audio's
    /// length, in sectors, as CtdbToc::audioBounds() gives them. Nothing for a table the
    /// database cannot sum.
    static std::optional<CtdbDiscSums> start(const std::vector<int>& bounds);

    /// The next interleaved samples from the first audio track's start on; any beyond the
    /// audio's end are not the disc's.
    void add(std::span<const std::int16_t> samples);
    /// Whether all the audio has been added.
    bool isComplete() const { return m_position == m_layout.words; }

    const CtdbLayout& layout() const { return m_layout; }
    /// Once complete; each column's at offset 0.
    const CtdbSyndromes& syndromes() const { return *m_syndromes; }
    /// Once complete: the sums read `offset` samples further on, with `fixes` (places in the
    /// audio that offset was found at) made first. Nothing when |offset| reaches 5880.
    std::optional<CtdbCrc> crcAt(int offset, const std::vector<CtdbRepair::Fix>& fixes = {}) const;
    /// Once complete: each column's syndromes read `offset` samples further on.
    std::optional<CtdbSyndromes> syndromesAt(int offset) const;
    /// Once complete: where an entry with these syndromes of column 0 lies in the audio.
    std::optional<CtdbOffset> offsetOf(std::span<const std::uint16_t> entry) const;

private:
    /// A stretch of the audio: kept word for word near a bound, else only summed.
    struct Stretch {
        std::size_t begin = 0;
        std::size_t end = 0;
        bool kept = false;
        std::vector<std::int16_t> words;
        std::uint32_t crc = 0;
    };

    CtdbDiscSums(const CtdbLayout& layout, std::vector<std::size_t> trackBounds);
    /// The CRC of the words [begin, end), each end within a kept stretch.
    std::optional<std::uint32_t> crcOf(std::size_t begin, std::size_t end) const;
    /// A word near a bound.
    std::uint16_t wordAt(std::size_t at) const;

    CtdbLayout m_layout;
    /// Where each track's sum begins and the last ends, in words, within the protected rows.
    std::vector<std::size_t> m_trackBounds;
    std::vector<Stretch> m_stretches;
    std::size_t m_stretch = 0;
    std::size_t m_position = 0;
    CtdbSyndromes::Accumulator m_accumulator;
    std::optional<CtdbSyndromes> m_syndromes;
};
