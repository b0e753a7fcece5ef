#include "accuraterip/AccurateRipAnswer.h"

namespace AccurateRipAnswer {

namespace {

constexpr std::size_t HeaderBytes = 1 + 3 * 4;
constexpr std::size_t TrackBytes = 1 + 2 * 4;

std::uint32_t readWord(std::string_view bytes, std::size_t at)
{
    return std::uint32_t(std::uint8_t(bytes[at])) |
           std::uint32_t(std::uint8_t(bytes[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(bytes[at + 2])) << 16 |
           std::uint32_t(std::uint8_t(bytes[at + 3])) << 24;
}

} // namespace

bool isWellFormed(std::string_view answer)
{
    if (answer.empty() || answer.size() > MaxBytes)
        return false;
    for (std::size_t at = 0; at < answer.size();) {
        if (answer.size() - at < HeaderBytes)
            return false;
        const int trackCount = std::uint8_t(answer[at]);
        const std::size_t length = HeaderBytes + TrackBytes * std::size_t(trackCount);
        if (trackCount == 0 || trackCount > AccurateRipId::MaxTracks || answer.size() - at < length)
            return false;
        at += length;
    }
    return true;
}

std::vector<Record> recordsFor(std::string_view answer, const AccurateRipId& disc)
{
    std::vector<Record> found;
    if (!isWellFormed(answer))
        return {};
    for (std::size_t at = 0; at < answer.size();) {
        const int trackCount = std::uint8_t(answer[at]);
        const std::size_t length = HeaderBytes + TrackBytes * std::size_t(trackCount);
        Record record{
            readWord(answer, at + 1), readWord(answer, at + 5), readWord(answer, at + 9), {}};
        if (trackCount == disc.audioTracks && record.id1 == disc.id1 && record.id2 == disc.id2 &&
            record.cddb == disc.cddb) {
            for (std::size_t track = at + HeaderBytes; track < at + length; track += TrackBytes)
                record.tracks.push_back({std::uint8_t(answer[track]), readWord(answer, track + 1),
                                         readWord(answer, track + 5)});
            found.push_back(std::move(record));
        }
        at += length;
    }
    return found;
}

} // namespace AccurateRipAnswer
