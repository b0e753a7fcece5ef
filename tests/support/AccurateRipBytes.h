#pragma once

#include "accuraterip/AccurateRipAnswer.h"

#include <cstdint>
#include <string>
#include <string_view>

/// Bytes as the AccurateRip database sends them, for tests and stand-in servers to serve.
namespace AccurateRipBytes {

inline void appendWord(std::string& bytes, std::uint32_t word)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes += char(word >> shift & 0xff);
}

/// One record of the database's answer: its track count is its number of tracks.
inline std::string record(const AccurateRipAnswer::Record& record)
{
    std::string bytes(1, char(record.tracks.size()));
    appendWord(bytes, record.id1);
    appendWord(bytes, record.id2);
    appendWord(bytes, record.cddb);
    for (const AccurateRipAnswer::Track& track : record.tracks) {
        bytes += char(track.confidence);
        appendWord(bytes, track.sum);
        appendWord(bytes, track.frame450);
    }
    return bytes;
}

/// One entry of the drive offsets list: the offset, the name NUL-padded to 32 bytes, and 35
/// bytes of figures this program does not read.
inline std::string driveOffset(int offset, std::string_view name)
{
    std::string bytes{char(offset & 0xff), char(offset >> 8 & 0xff)};
    bytes += name;
    bytes.resize(2 + 32, '\0');
    bytes += std::string(35, '\x07');
    return bytes;
}

} // namespace AccurateRipBytes
