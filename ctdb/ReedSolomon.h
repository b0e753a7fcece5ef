#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

/// One column of the database's Reed-Solomon code over GF(2^16): its data symbols are the
/// column's words, the first at the highest power; the generator's roots are alpha^0 onwards.
/// npar parity symbols mend up to npar/2 wrong words.
class ReedSolomon {
public:
    static constexpr int MaxParity = 16;

    struct Fix {
        /// The wrong word's row, counted from the first data symbol.
        int row = 0;
        /// What the word is XORed with to mend it.
        std::uint16_t error = 0;
        bool operator==(const Fix&) const = default;
    };

    /// The npar (1 to 16) parity symbols of the data, highest power first.
    static std::vector<std::uint16_t> parity(std::span<const std::uint16_t> data, int npar);
    /// S_i = D(alpha^i) for i below npar, the data's polynomial at the generator's roots.
    static std::vector<std::uint16_t> syndromes(std::span<const std::uint16_t> data, int npar);
    /// The same syndromes from the data's parity, as the database stored them once.
    static std::vector<std::uint16_t> syndromesOfParity(std::span<const std::uint16_t> parity);

    /// The wrong words of a column of `rows` data symbols, in the order of their rows, from the
    /// difference between its own syndromes and the true ones: none for no difference, nothing
    /// when more than `mostErrors` or npar/2 words are wrong (rather than a wrong mend where
    /// that shows). Rows likely to be wrong, as a neighbouring column's, are tried first.
    static std::optional<std::vector<Fix>> decode(std::span<const std::uint16_t> difference,
                                                  int rows, int mostErrors = MaxParity,
                                                  std::span<const int> likelyRows = {});
};
