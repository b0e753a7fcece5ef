#include "discsave/ImageDescription.h"

#include "disc/DiscCodes.h"

#include <algorithm>
#include <cstdio>

Reason ImageDescription::problem() const
{
    if (sectors <= 0 || sectors > MaxSectors)
        return Reason(
            QT_TRANSLATE_NOOP("Reason", "the disc's length is not between one sector and a day"));
    if (tracks.empty() || tracks.size() > 99)
        return Reason(QT_TRANSLATE_NOOP("Reason", "a disc has from 1 to 99 tracks"));
    if (pregap < 0 || pregap > MaxSectors)
        return Reason(QT_TRANSLATE_NOOP("Reason", "the silence before track 1 is out of bounds"));
    if (!catalog.empty() && !DiscCodes::isCatalogNumber(catalog))
        return Reason(QT_TRANSLATE_NOOP("Reason", "the catalogue number is not 13 digits"));
    if (!freedbId.empty() && !DiscCodes::isFreedbId(freedbId))
        return Reason(
            QT_TRANSLATE_NOOP("Reason", "the freedb disc ID is not 8 hexadecimal digits"));
    if (discNumber < 0 || discTotal < 0)
        return Reason(QT_TRANSLATE_NOOP("Reason", "a disc number is negative"));
    const Track& first = tracks.front();
    if (first.start != first.gap)
        return Reason(QT_TRANSLATE_NOOP("Reason", "the file does not start at track 1"));
    if (pregap > 0 && first.gap > 0)
        return Reason(QT_TRANSLATE_NOOP(
            "Reason", "track 1 has both silence left out and audio kept before it"));
    int previous = 0;
    int previousStart = -1;
    for (const Track& track : tracks) {
        if (track.number <= previous || track.number > 99)
            return Reason(QT_TRANSLATE_NOOP("Reason", "track numbers must rise from 1 to 99"));
        if (track.gap < 0 || track.start - track.gap <= previousStart)
            return Reason(
                QT_TRANSLATE_NOOP("Reason", "the gap of track %1 reaches into the track before"),
                {Reason::verbatim(std::to_string(track.number))});
        if (track.start >= sectors)
            return Reason(QT_TRANSLATE_NOOP("Reason", "track %1 starts past the file's end"),
                          {Reason::verbatim(std::to_string(track.number))});
        if (!track.isrc.empty() && !DiscCodes::isIsrc(track.isrc))
            return Reason(
                QT_TRANSLATE_NOOP("Reason", "the ISRC of track %1 is not 12 capitals and digits"),
                {Reason::verbatim(std::to_string(track.number))});
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
