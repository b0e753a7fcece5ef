#pragma once

#include <array>
#include <cstdint>

/// GF(2^16) as the database's Reed-Solomon code counts: the polynomial x^16 + x^12 + x^3 + x + 1
/// with alpha = x. Each 16-bit audio word is one element.
class GaloisField {
public:
    static constexpr std::uint32_t Polynomial = 0x1100B;
    /// The number of non-zero elements; powers of alpha repeat with this period.
    static constexpr int Order = 65535;

    /// alpha^power for any power, negative ones too.
    static std::uint16_t power(std::int64_t exponent)
    {
        const std::int64_t reduced = exponent % Order;
        return m_tables.exp[std::size_t(reduced < 0 ? reduced + Order : reduced)];
    }
    /// The power of alpha that makes `value`, which must not be 0.
    static int log(std::uint16_t value) { return m_tables.log[value]; }
    static std::uint16_t mul(std::uint16_t a, std::uint16_t b)
    {
        return a == 0 || b == 0
                   ? 0
                   : m_tables.exp[std::size_t(m_tables.log[a]) + std::size_t(m_tables.log[b])];
    }
    /// a / b for a b that is not 0.
    static std::uint16_t div(std::uint16_t a, std::uint16_t b)
    {
        return a == 0 ? 0 : m_tables.exp[std::size_t(m_tables.log[a] + Order - m_tables.log[b])];
    }

private:
    struct Tables {
        /// Twice the period, so that a sum of two logarithms needs no reduction.
        std::array<std::uint16_t, std::size_t{2} * Order> exp;
        std::array<std::int32_t, Order + 1> log;
    };
    static constexpr Tables makeTables();
    static const Tables m_tables;
};
