#include "ctdb/GaloisField.h"

constexpr GaloisField::Tables GaloisField::makeTables()
{
    Tables tables{};
    std::uint32_t value = 1;
    for (int n = 0; n < Order; ++n) {
        tables.exp[std::size_t(n)] = tables.exp[std::size_t(n) + Order] = std::uint16_t(value);
        tables.log[value] = n;
        value <<= 1;
        if (value & 0x10000)
            value ^= Polynomial;
    }
    return tables;
}

// Built by the compiler, so that they are whole before any code runs.
constinit const GaloisField::Tables GaloisField::m_tables = makeTables();
