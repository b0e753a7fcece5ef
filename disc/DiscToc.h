#pragma once

#include <string>
#include <vector>

/// One track of a disc's table of contents; sectors are 1/75 s of 44.1 kHz stereo audio.
struct TrackInfo {
    int number = 0;
    int firstSector = 0;
    int sectorCount = 0;
    bool audio = true;
    bool preEmphasis = false;
    std::string title;
    std::string performer;
    std::string songwriter;
    /// The MusicBrainz recording, where the disc was found there.
    std::string musicBrainzTrackId;
    // What a saved image keeps, read only for saving (DiscReader::readDetails).
    /// 12 capital letters and digits, or empty.
    std::string isrc;
    /// The disc allows digital copies of the track.
    bool copyPermitted = false;
    /// The gap before the track's first sector (from INDEX 00 to INDEX 01), in sectors; 0 where
    /// the disc reports none.
    int gapSectors = 0;

    int endSector() const { return firstSector + sectorCount; }
    /// Audio with a place on the disc: what a saving keeps and the databases sum. The hidden
    /// track, number 0, is no such track.
    bool isSavedAudio() const { return audio && number >= 1 && sectorCount > 0; }
};

/// A disc's table of contents with its CD-Text, where present.
struct DiscToc {
    static constexpr int SectorsPerSecond = 75;
    static constexpr int BytesPerSector = 2352;
    /// 16-bit samples in a sector, both channels.
    static constexpr int SamplesPerSector = BytesPerSector / 2;
    /// On a two-session enhanced CD, the sectors between the audio's end and the data track.
    static constexpr int SessionGap = 11400;

    static constexpr long long usecs(long long sectorCount)
    {
        return sectorCount * 1000000 / SectorsPerSecond;
    }
    /// Whole sectors in a time in microseconds, rounded toward zero; split so that no time
    /// overflows.
    static constexpr long long sectors(long long time)
    {
        return time / 1000000 * SectorsPerSecond + time % 1000000 * SectorsPerSecond / 1000000;
    }

    std::vector<TrackInfo> tracks;
    int leadOut = 0;
    std::string title;
    std::string performer;
    /// The catalogue number (the bar code): 13 digits, or empty.
    std::string catalog;
    /// Audio in the gap before track 1 (a hidden track), in sectors from the disc's start.
    int hiddenSectors = 0;
    /// An image standing in for a disc: ejecting it just lets it go.
    bool fromImage = false;
    /// The pressed disc's whole table as an image keeps it (its CDTOC), data tracks included;
    /// empty for a disc in a drive and for images that keep none.
    std::string pressedToc;
    // Where the disc was found on MusicBrainz: its release, and its cover as a local file.
    std::string releaseDate;
    int discNumber = 0;
    /// How many discs the release has.
    int discCount = 0;
    std::string musicBrainzAlbumId;
    std::string artUrl;

    /// The playable tracks in order: the hidden track as number 0 where there is one.
    std::vector<TrackInfo> audioTracks() const;
    /// Music followed by data is an enhanced CD: the data's session starts after a gap that is
    /// no audio, so the music before it ends that much earlier.
    void leaveOutSessionGaps();
};
