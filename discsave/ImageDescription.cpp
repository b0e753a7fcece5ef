#include "discsave/ImageDescription.h"

#include "disc/DiscCodes.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string numbered(const char* what, int number)
{
    return std::string(what) + " of track " + std::to_string(number);
}

} // namespace

std::string ImageDescription::problem() const
{
    if (sectors <= 0 || sectors > MaxSectors)
        return "the disc's length is not between one sector and a day";
    if (tracks.empty() || tracks.size() > 99)
        return "a disc has from 1 to 99 tracks";
    if (pregap < 0 || pregap > MaxSectors)
        return "the silence before track 1 is out of bounds";
    if (!catalog.empty() && !DiscCodes::isCatalogNumber(catalog))
        return "the catalogue number is not 13 digits";
    if (!freedbId.empty() && !DiscCodes::isFreedbId(freedbId))
        return "the freedb disc ID is not 8 hexadecimal digits";
    if (discNumber < 0 || discTotal < 0)
        return "a disc number is negative";
    const Track& first = tracks.front();
    if (first.start != first.gap)
        return "the file does not start at track 1";
    if (pregap > 0 && first.gap > 0)
        return "track 1 has both silence left out and audio kept before it";
    int previous = 0;
    int previousStart = -1;
    for (const Track& track : tracks) {
        if (track.number <= previous || track.number > 99)
            return "track numbers must rise from 1 to 99";
        if (track.gap < 0 || track.start - track.gap <= previousStart)
            return numbered("the gap", track.number) + " reaches into the track before";
        if (track.start >= sectors)
            return "track " + std::to_string(track.number) + " starts past the file's end";
        if (!track.isrc.empty() && !DiscCodes::isIsrc(track.isrc))
            return numbered("the ISRC", track.number) + " is not 12 capitals and digits";
        previous = track.number;
        previousStart = track.start;
    }
    return {};
}

std::string ImageDescription::time(long long sectors)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", sectors / (60LL * SectorsPerSecond),
                  sectors / SectorsPerSecond % 60, sectors % SectorsPerSecond);
    return text;
}
