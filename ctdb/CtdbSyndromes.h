#pragma once

#include "ctdb/CtdbLayout.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

/// The syndromes of every column of a disc's protected rows: what the database keeps of a
/// disc instead of its parity, and what an image's own audio makes to compare with it.
class CtdbSyndromes {
public:
    static constexpr int Columns = int(CtdbLayout::Stride);
    static constexpr int MaxNpar = 16;

    /// The syndromes of protected rows fed in order, any number of words at a time, so that a
    /// disc's audio need never be held whole.
    class Accumulator {
    public:
        Accumulator();
        /// The next words, the first row's first word first.
        void add(std::span<const std::uint16_t> words);
        /// All 16 syndromes of each column of the rows fed so far.
        CtdbSyndromes syndromes() const;

    private:
        /// Each column's parity register and a zero after it.
        std::vector<std::uint16_t> m_registers;
        int m_column = 0;
    };

    /// All 16 syndromes of each column of `audio`, the disc's interleaved samples from its
    /// first audio track's start to its audio lead-out, read `offset` samples further on.
    /// Nothing when the audio is not the layout's length or |offset| reaches 5880.
    static std::optional<CtdbSyndromes> of(const CtdbLayout& layout,
                                           std::span<const std::int16_t> audio, int offset);
    /// A parity file as the database serves it, or its beginning: npar planes of 11760
    /// little-endian words, S0 of every column, then S1, and so on. Nothing unless it holds an
    /// even number of whole planes, at most the entry's, and its column 0 is the entry's.
    static std::optional<CtdbSyndromes> fromParityFile(std::string_view bytes,
                                                       std::span<const std::uint16_t> entry);

    int npar() const { return m_npar; }
    std::uint16_t at(int i, int column) const
    {
        return m_values[std::size_t(i) * Columns + std::size_t(column)];
    }
    /// S0 to S(npar-1) of a column.
    std::vector<std::uint16_t> column(int column) const;
    /// The planes as the parity file holds them, S0 of every column first.
    std::span<const std::uint16_t> planes() const { return m_values; }

private:
    friend class CtdbDiscSums;
    CtdbSyndromes(int npar, std::vector<std::uint16_t> values);

    int m_npar;
    std::vector<std::uint16_t> m_values;
};
