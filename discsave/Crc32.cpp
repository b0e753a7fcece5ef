#include "discsave/Crc32.h"

#include <array>

namespace {

using Tables = std::array<std::array<std::uint32_t, 256>, 8>;

// Eight tables let the loop take eight bytes a step (slicing by eight): several times the speed
// of one byte a step, and a whole disc is checked twice.
constexpr Tables makeTables()
{
    Tables tables{};
    for (std::uint32_t byte = 0; byte < 256; ++byte) {
        std::uint32_t crc = byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? (crc >> 1) ^ 0xedb88320u : crc >> 1;
        tables[0][byte] = crc;
    }
    for (std::size_t slice = 1; slice < tables.size(); ++slice)
        for (std::size_t byte = 0; byte < 256; ++byte) {
            const std::uint32_t previous = tables[slice - 1][byte];
            tables[slice][byte] = (previous >> 8) ^ tables[0][previous & 0xff];
        }
    return tables;
}

std::uint32_t littleEndianWord(const unsigned char* bytes)
{
    return std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16 |
           std::uint32_t(bytes[3]) << 24;
}

} // namespace

void Crc32::update(const void* data, std::size_t size)
{
    static constexpr Tables t = makeTables();
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::uint32_t crc = m_state;
    for (; size >= 8; size -= 8, bytes += 8) {
        const std::uint32_t low = crc ^ littleEndianWord(bytes);
        const std::uint32_t high = littleEndianWord(bytes + 4);
        crc = t[7][low & 0xff] ^ t[6][(low >> 8) & 0xff] ^ t[5][(low >> 16) & 0xff] ^
              t[4][low >> 24] ^ t[3][high & 0xff] ^ t[2][(high >> 8) & 0xff] ^
              t[1][(high >> 16) & 0xff] ^ t[0][high >> 24];
    }
    for (; size > 0; --size, ++bytes)
        crc = t[0][(crc ^ *bytes) & 0xff] ^ (crc >> 8);
    m_state = crc;
}

std::uint32_t Crc32::of(const void* data, std::size_t size)
{
    Crc32 crc;
    crc.update(data, size);
    return crc.value();
}
