#include "ctdb/CtdbOffset.h"

#include "ctdb/GaloisField.h"
#include "ctdb/ReedSolomon.h"

#include <vector>

std::optional<CtdbOffset> CtdbOffset::find(const CtdbSyndromes& own, const CtdbLayout& layout,
                                           std::span<const std::int16_t> audio,
                                           std::span<const std::uint16_t> entry)
{
    if (audio.size() != layout.words)
        return std::nullopt;
    return find(
        own, layout, [audio](std::size_t at) { return std::uint16_t(audio[at]); }, entry);
}

std::optional<CtdbOffset> CtdbOffset::find(const CtdbSyndromes& own, const CtdbLayout& layout,
                                           const std::function<std::uint16_t(std::size_t)>& word,
                                           std::span<const std::uint16_t> entry)
{
    const int npar = int(entry.size());
    if (npar < 2 || npar > own.npar() || layout.rows <= 0)
        return std::nullopt;
    const int rows = layout.rows;
    std::vector<std::uint16_t> difference(static_cast<std::size_t>(npar));
    std::optional<CtdbOffset> best;
    for (int distance = 0; distance < CtdbLayout::MaxOffset; ++distance) {
        for (const int offset : {distance, -distance}) {
            if (offset < 0 && distance == 0)
                continue;
            // Column 0 at a later window is a later column; at an earlier one, the column
            // before it wrapped a row back, its last row out and the first row's word in.
            const int column = offset >= 0 ? 2 * offset : CtdbSyndromes::Columns + 2 * offset;
            const std::size_t leadIn = std::size_t(column);
            const std::size_t last = std::size_t(rows) * CtdbLayout::Stride + std::size_t(column);
            for (int i = 0; i < npar; ++i) {
                std::uint16_t s = own.at(i, column);
                if (offset < 0)
                    s = GaloisField::mul(s ^ word(last), GaloisField::power(-i)) ^
                        GaloisField::mul(word(leadIn),
                                         GaloisField::power(std::int64_t(i) * (rows - 1)));
                difference[std::size_t(i)] = s ^ entry[std::size_t(i)];
            }
            // As many wrong words as a repair mends: a burst of 75 sectors may put 8 in column 0.
            // A wrong offset that passes is caught by the disc's sum, which decides the verdict.
            const auto fixes = ReedSolomon::decode(difference, rows, npar / 2);
            if (!fixes)
                continue;
            if (!best || int(fixes->size()) < best->errors)
                best = CtdbOffset{offset, int(fixes->size())};
            if (best->errors == 0)
                return best;
        }
    }
    return best;
}
