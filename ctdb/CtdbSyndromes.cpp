#include "ctdb/CtdbSyndromes.h"

#include "ctdb/GaloisField.h"
#include "ctdb/ReedSolomon.h"

#include <algorithm>
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

namespace {
// Each register is followed by a zero, so that its shift by one symbol reads as a plain 16-wide
// loop the compiler turns into vector code.
constexpr std::size_t Slot = Npar + 1;
} // namespace

namespace {

/// Carries `count` columns' registers on by one word each.
void runRow(const ProductTables& tables, const std::uint16_t* words, std::size_t count,
            std::uint16_t* r)
{
    for (std::size_t j = 0; j < count; ++j, r += Slot) {
        const std::uint16_t feedback = words[j] ^ r[0];
        const auto& low = tables.low[feedback & 0xff];
        const auto& high = tables.high[feedback >> 8];
        // Read whole before written, so that the compiler need not fear the two overlap.
        std::array<std::uint16_t, Npar> next;
        for (int m = 0; m < Npar; ++m)
            next[std::size_t(m)] = r[m + 1] ^ low[std::size_t(m)] ^ high[std::size_t(m)];
        std::copy(next.begin(), next.end(), r);
    }
}

} // namespace

CtdbSyndromes::Accumulator::Accumulator() : m_registers(Slot * Columns, 0) {}

void CtdbSyndromes::Accumulator::add(std::span<const std::uint16_t> words)
{
    static const ProductTables tables;
    const std::uint16_t* in = words.data();
    std::size_t left = words.size();
    while (left > 0) {
        // To the row's end at most, so that the loop over columns has no other turn in it.
        const std::size_t count = std::min(left, std::size_t(Columns - m_column));
        runRow(tables, in, count, m_registers.data() + std::size_t(m_column) * Slot);
        m_column = int((std::size_t(m_column) + count) % Columns);
        in += count;
        left -= count;
    }
}

CtdbSyndromes CtdbSyndromes::Accumulator::syndromes() const
{
    std::vector<std::uint16_t> values(std::size_t(Npar) * Columns);
    for (int j = 0; j < Columns; ++j) {
        const std::vector<std::uint16_t> s = ReedSolomon::syndromesOfParity(
            std::span(m_registers).subspan(std::size_t(j) * Slot, Npar));
        for (int i = 0; i < Npar; ++i)
            values[std::size_t(i) * Columns + std::size_t(j)] = s[std::size_t(i)];
    }
    return CtdbSyndromes(Npar, std::move(values));
}

std::optional<CtdbSyndromes> CtdbSyndromes::of(const CtdbLayout& layout,
                                               std::span<const std::int16_t> audio, int offset)
{
    if (audio.size() != layout.words || layout.rows <= 0 ||
        std::abs(offset) >= CtdbLayout::MaxOffset)
        return std::nullopt;
    const auto* words = reinterpret_cast<const std::uint16_t*>(audio.data()) +
                        std::ptrdiff_t(layout.bodyBegin()) + 2 * std::ptrdiff_t(offset);
    Accumulator accumulator;
    accumulator.add(std::span(words, std::size_t(layout.rows) * Columns));
    return accumulator.syndromes();
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
