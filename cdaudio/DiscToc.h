#pragma once

#include <string>
#include <vector>

/// One track of a disc's table of contents; sectors are 1/75 s of 44.1 kHz stereo audio.
struct TrackInfo {
    int number = 0;
    int firstSector = 0;
    int sectorCount = 0;
    bool audio = true;
    std::string title;
    std::string performer;

    int endSector() const { return firstSector + sectorCount; }
};

/// A disc's table of contents with its CD-Text, where present.
struct DiscToc {
    static constexpr int SectorsPerSecond = 75;
    static constexpr int BytesPerSector = 2352;

    std::vector<TrackInfo> tracks;
    int leadOut = 0;
    std::string title;
    std::string performer;

    std::vector<TrackInfo> audioTracks() const;
};
