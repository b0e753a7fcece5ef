#include "ctdb/CtdbSyndromes.h"

#include "ctdb/GaloisField.h"
#include "ctdb/ReedSolomon.h"

#include <array>
#include <cstdlib>

namespace {

constexpr int Npar = CtdbSyndromes::MaxNpar;

/// A word's products with each of the generator's coefficients below its highest, in two
/// tables by the word's low and high byte (multiplication is linear in the word's bits).
/// Looking up all 16 products at once makes the parity's division a handful of vector XORs a
/// word, about ten times faster than a logarithm-table product per syndrome and word.
struct ProductTables {
    alignas(64) std::array<std::array<std::uint16_t, Npar>, 256> low;
    alignas(64) std::array<std::array<std::uint16_t, Npar>, 256> high;

    ProductTables()
    {
        const std::vector<std::uint16_t> ones(1, 1);
        // The parity of a lone 1 is x^npar mod g: the generator's lower coefficients.
        const std::vector<std::uint16_t> g = ReedSolomon::parity(ones, Npar);
        for (int b = 0; b < 256; ++b)
            for (int m = 0; m < Npar; ++m) {
                low[std::size_t(b)][std::size_t(m)] =
                    GaloisField::mul(std::uint16_t(b), g[std::size_t(m)]);
                high[std::size_t(b)][std::size_t(m)] =
                    GaloisField::mul(std::uint16_t(b << 8), g[std::size_t(m)]);
            }
    }
};

} // namespace

CtdbSyndromes::CtdbSyndromes(int npar, std::vector<std::uint16_t> values)
    : m_npar(npar), m_values(std::move(values))
{
}

std::optional<CtdbSyndromes> CtdbSyndromes::of(const CtdbLayout& layout,
                                               std::span<const std::int16_t> audio, int offset)
{
    if (audio.size() != layout.words || layout.rows <= 0 ||
        std::abs(offset) >= CtdbLayout::MaxOffset)
        return std::nullopt;
    static const ProductTables tables;
    // Each column's parity register and a zero after it, so that its shift by one symbol reads
    // as a plain 16-wide loop the compiler turns into vector code.
    constexpr std::size_t Slot = Npar + 1;
    std::vector<std::uint16_t> registers(Slot * Columns, 0);
    const auto* words = reinterpret_cast<const std::uint16_t*>(audio.data()) +
                        std::ptrdiff_t(layout.bodyBegin()) + 2 * std::ptrdiff_t(offset);
    for (int row = 0; row < layout.rows; ++row, words += Columns) {
        std::uint16_t* r = registers.data();
        for (int j = 0; j < Columns; ++j, r += Slot) {
            const std::uint16_t feedback = words[j] ^ r[0];
            const std::uint16_t* low = tables.low[feedback & 0xff].data();
            const std::uint16_t* high = tables.high[feedback >> 8].data();
            for (int m = 0; m < Npar; ++m)
                r[m] = r[m + 1] ^ low[m] ^ high[m];
        }
    }
    std::vector<std::uint16_t> values(std::size_t(Npar) * Columns);
    for (int j = 0; j < Columns; ++j) {
        const std::vector<std::uint16_t> s = ReedSolomon::syndromesOfParity(
            std::span(registers).subspan(std::size_t(j) * Slot, Npar));
        for (int i = 0; i < Npar; ++i)
            values[std::size_t(i) * Columns + std::size_t(j)] = s[std::size_t(i)];
    }
    return CtdbSyndromes(Npar, std::move(values));
}

std::optional<CtdbSyndromes> CtdbSyndromes::fromParityFile(std::string_view bytes,
                                                           std::span<const std::uint16_t> entry)
{
    constexpr std::size_t PlaneBytes = 2 * std::size_t(Columns);
    const std::size_t npar = bytes.size() / PlaneBytes;
    if (bytes.size() % PlaneBytes != 0 || npar < 2 || npar % 2 != 0 || npar > entry.size() ||
        npar > std::size_t(MaxNpar))
        return std::nullopt;
    std::vector<std::uint16_t> values(bytes.size() / 2);
    for (std::size_t n = 0; n < values.size(); ++n)
        values[n] = std::uint16_t(std::uint8_t(bytes[2 * n]) | std::uint8_t(bytes[2 * n + 1]) << 8);
    for (std::size_t i = 0; i < npar; ++i)
        if (values[i * std::size_t(Columns)] != entry[i])
            return std::nullopt;
    return CtdbSyndromes(int(npar), std::move(values));
}

std::vector<std::uint16_t> CtdbSyndromes::column(int column) const
{
    std::vector<std::uint16_t> s(static_cast<std::size_t>(m_npar));
    for (int i = 0; i < m_npar; ++i)
        s[std::size_t(i)] = at(i, column);
    return s;
}
