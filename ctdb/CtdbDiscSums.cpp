#include "ctdb/CtdbDiscSums.h"

#include "ctdb/GaloisField.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>

namespace {

/// How far a window's end moves at most, in words, either way.
constexpr std::size_t Margin = 2 * std::size_t(CtdbLayout::MaxOffset);

std::uint32_t combined(std::uint32_t first, std::uint32_t second, std::size_t secondWords)
{
    return std::uint32_t(crc32_combine(first, second, z_off_t(2 * secondWords)));
}

} // namespace

std::optional<CtdbDiscSums> CtdbDiscSums::start(const std::vector<int>& bounds)
{
    if (bounds.size() < 2 || bounds.front() != 0 || !std::is_sorted(bounds.begin(), bounds.end()))
        return std::nullopt;
    const std::optional<CtdbLayout> layout = CtdbLayout::of(bounds.back());
    if (!layout)
        return std::nullopt;
    std::vector<std::size_t> trackBounds;
    trackBounds.reserve(bounds.size());
    for (const int sector : bounds)
        trackBounds.push_back(std::clamp(std::size_t(sector) * CtdbLayout::WordsPerSector,
                                         layout->bodyBegin(), layout->bodyEnd()));
    return CtdbDiscSums(*layout, std::move(trackBounds));
}

CtdbDiscSums::CtdbDiscSums(const CtdbLayout& layout, std::vector<std::size_t> trackBounds)
    : m_layout(layout), m_trackBounds(std::move(trackBounds))
{
    // The body's ends are track bounds too, so the first row and the last protected row, which
    // the offset search reads, are kept.
    std::size_t covered = 0;
    for (const std::size_t bound : m_trackBounds) {
        const std::size_t begin = bound > Margin ? bound - Margin : 0;
        const std::size_t end = std::min(bound + Margin, layout.words);
        if (begin > covered)
            m_stretches.push_back(
                {covered, begin, false, {}, std::uint32_t(crc32_z(0, nullptr, 0))});
        if (!m_stretches.empty() && m_stretches.back().kept && m_stretches.back().end >= begin) {
            m_stretches.back().end = std::max(m_stretches.back().end, end);
        } else {
            m_stretches.push_back({std::max(begin, covered), end, true, {}, 0});
        }
        covered = m_stretches.back().end;
    }
    if (covered < layout.words)
        m_stretches.push_back(
            {covered, layout.words, false, {}, std::uint32_t(crc32_z(0, nullptr, 0))});
    for (Stretch& stretch : m_stretches)
        if (stretch.kept)
            stretch.words.reserve(stretch.end - stretch.begin);
}

void CtdbDiscSums::add(std::span<const std::int16_t> samples)
{
    while (!samples.empty() && m_position < m_layout.words) {
        Stretch& stretch = m_stretches[m_stretch];
        const std::size_t count = std::min(samples.size(), stretch.end - m_position);
        const std::span<const std::int16_t> part = samples.first(count);
        if (stretch.kept)
            stretch.words.insert(stretch.words.end(), part.begin(), part.end());
        else
            stretch.crc = CtdbCrc::update(stretch.crc, part);
        const std::size_t bodyFrom = std::max(m_position, m_layout.bodyBegin());
        const std::size_t bodyTo = std::min(m_position + count, m_layout.bodyEnd());
        if (bodyFrom < bodyTo)
            m_accumulator.add(std::span(reinterpret_cast<const std::uint16_t*>(part.data()) +
                                            (bodyFrom - m_position),
                                        bodyTo - bodyFrom));
        m_position += count;
        samples = samples.subspan(count);
        if (m_position == stretch.end)
            ++m_stretch;
    }
    if (isComplete() && !m_syndromes)
        m_syndromes = m_accumulator.syndromes();
}

std::optional<std::uint32_t> CtdbDiscSums::crcOf(std::size_t begin, std::size_t end) const
{
    std::uint32_t crc = std::uint32_t(crc32_z(0, nullptr, 0));
    for (const Stretch& stretch : m_stretches) {
        const std::size_t from = std::max(begin, stretch.begin);
        const std::size_t to = std::min(end, stretch.end);
        if (from >= to)
            continue;
        if (stretch.kept) {
            crc = CtdbCrc::update(
                crc, std::span(stretch.words).subspan(from - stretch.begin, to - from));
        } else {
            // Summed only as a whole, so a window cannot end inside it.
            if (from != stretch.begin || to != stretch.end)
                return std::nullopt;
            crc = combined(crc, stretch.crc, to - from);
        }
    }
    return crc;
}

std::optional<CtdbCrc> CtdbDiscSums::crcAt(int offset,
                                           const std::vector<CtdbRepair::Fix>& fixes) const
{
    if (!isComplete() || std::abs(offset) >= CtdbLayout::MaxOffset)
        return std::nullopt;
    const auto shift = std::ptrdiff_t(2) * offset;
    CtdbCrc crc;
    crc.disc = std::uint32_t(crc32_z(0, nullptr, 0));
    const std::uint16_t zero = 0;
    const std::uint32_t zeroWord =
        std::uint32_t(crc32_z(0, reinterpret_cast<const Bytef*>(&zero), sizeof zero));
    for (std::size_t n = 0; n + 1 < m_trackBounds.size(); ++n) {
        const std::size_t begin = std::size_t(std::ptrdiff_t(m_trackBounds[n]) + shift);
        const std::size_t end = std::size_t(std::ptrdiff_t(m_trackBounds[n + 1]) + shift);
        const std::optional<std::uint32_t> track = crcOf(begin, end);
        if (!track)
            return std::nullopt;
        std::uint32_t sum = *track;
        // The CRC is linear: a word XORed with e changes it by e's CRC carried to the end.
        for (const CtdbRepair::Fix& fix : fixes) {
            if (fix.word < begin || fix.word >= end)
                continue;
            const unsigned char error[2] = {static_cast<unsigned char>(fix.error & 0xff),
                                            static_cast<unsigned char>(fix.error >> 8)};
            const std::uint32_t alone = std::uint32_t(crc32_z(0, error, 2)) ^ zeroWord;
            sum ^= combined(alone, 0, end - fix.word - 1);
        }
        crc.tracks.push_back(sum);
        crc.disc = combined(crc.disc, sum, end - begin);
    }
    return crc;
}

std::uint16_t CtdbDiscSums::wordAt(std::size_t at) const
{
    for (const Stretch& stretch : m_stretches)
        if (stretch.kept && at >= stretch.begin && at < stretch.end)
            return std::uint16_t(stretch.words[at - stretch.begin]);
    return 0;
}

std::optional<CtdbSyndromes> CtdbDiscSums::syndromesAt(int offset) const
{
    if (!isComplete() || std::abs(offset) >= CtdbLayout::MaxOffset)
        return std::nullopt;
    constexpr int Columns = CtdbSyndromes::Columns;
    constexpr int Npar = CtdbSyndromes::MaxNpar;
    const int rows = m_layout.rows;
    const std::size_t first = m_layout.bodyBegin();
    const std::size_t end = m_layout.bodyEnd();
    std::vector<std::uint16_t> values(std::size_t(Npar) * Columns);
    for (int j = 0; j < Columns; ++j) {
        const int from = j + 2 * offset;
        for (int i = 0; i < Npar; ++i) {
            std::uint16_t s = 0;
            if (from >= Columns) {
                // A row later: the first row's word goes, the word after the last comes in.
                const int wrapped = from - Columns;
                const auto column = std::size_t(wrapped);
                s = m_syndromes->at(i, int(column)) ^
                    GaloisField::mul(wordAt(first + column),
                                     GaloisField::power(std::int64_t(i) * (rows - 1)));
                s = GaloisField::mul(s, GaloisField::power(i)) ^ wordAt(end + column);
            } else if (from < 0) {
                // A row earlier: the last row's word goes, the word before the first comes in.
                const int wrapped = from + Columns;
                const auto column = std::size_t(wrapped);
                s = GaloisField::mul(m_syndromes->at(i, int(column)) ^
                                         wordAt(end - std::size_t(Columns) + column),
                                     GaloisField::power(-i)) ^
                    GaloisField::mul(wordAt(first - std::size_t(Columns) + column),
                                     GaloisField::power(std::int64_t(i) * (rows - 1)));
            } else {
                s = m_syndromes->at(i, from);
            }
            values[std::size_t(i) * Columns + std::size_t(j)] = s;
        }
    }
    return CtdbSyndromes(Npar, std::move(values));
}

std::optional<CtdbOffset> CtdbDiscSums::offsetOf(std::span<const std::uint16_t> entry) const
{
    if (!isComplete())
        return std::nullopt;
    return CtdbOffset::find(
        *m_syndromes, m_layout, [this](std::size_t at) { return wordAt(at); }, entry);
}
