#pragma once

#include <cstddef>
#include <cstdint>

/// The CRC-32 of zlib, PNG and Ethernet (reflected polynomial 0xEDB88320), fed piece by piece;
/// the pieces may split the data anywhere.
class Crc32 {
public:
    void update(const void* data, std::size_t size);
    std::uint32_t value() const { return ~m_state; }

    static std::uint32_t of(const void* data, std::size_t size);

private:
    std::uint32_t m_state = 0xffffffffu;
};
