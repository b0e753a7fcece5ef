#include "ctdb/CtdbRepair.h"

#include "ctdb/ReedSolomon.h"

#include <algorithm>
#include <cstdlib>

std::optional<std::vector<CtdbRepair::Fix>> CtdbRepair::fixes(const CtdbSyndromes& own,
                                                              const CtdbSyndromes& file,
                                                              const CtdbLayout& layout, int offset)
{
    if (own.npar() < file.npar() || layout.rows <= 0 || std::abs(offset) >= CtdbLayout::MaxOffset)
        return std::nullopt;
    std::vector<Fix> found;
    std::vector<std::uint16_t> difference(static_cast<std::size_t>(file.npar()));
    // A scratch or a lost stretch spoils the same rows of neighbouring columns.
    std::vector<int> likelyRows;
    for (int j = 0; j < CtdbSyndromes::Columns; ++j) {
        for (int i = 0; i < file.npar(); ++i)
            difference[std::size_t(i)] = own.at(i, j) ^ file.at(i, j);
        const auto column =
            ReedSolomon::decode(difference, layout.rows, ReedSolomon::MaxParity, likelyRows);
        if (!column)
            return std::nullopt;
        if (likelyRows.size() > 2 * std::size_t(ReedSolomon::MaxParity))
            likelyRows.clear();
        for (const ReedSolomon::Fix& fix : *column) {
            if (std::find(likelyRows.begin(), likelyRows.end(), fix.row) == likelyRows.end())
                likelyRows.push_back(fix.row);
            found.push_back(
                {std::size_t(std::ptrdiff_t(layout.bodyBegin()) + 2 * std::ptrdiff_t(offset)) +
                     std::size_t(fix.row) * CtdbLayout::Stride + std::size_t(j),
                 fix.error});
        }
    }
    return found;
}

void CtdbRepair::apply(std::span<std::int16_t> audio, const std::vector<Fix>& fixes)
{
    for (const Fix& fix : fixes)
        if (fix.word < audio.size())
            audio[fix.word] = std::int16_t(std::uint16_t(audio[fix.word]) ^ fix.error);
}
