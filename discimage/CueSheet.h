#pragma once

#include "core/Reason.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

/// A cue sheet as rips are written: read leniently (keywords in any case, unknown keywords
/// skipped, UTF-8 with or without a byte-order mark, else Windows-1252), checked strictly (no
/// count, number or time is believed before it is checked). Plain data; no I/O.
struct CueSheet {
    static constexpr std::size_t MaxBytes = 1 << 20;
    static constexpr std::size_t MaxLineBytes = 4096;
    /// 99 tracks and the rest, in hexadecimal, with room to spare.
    static constexpr std::size_t MaxCdTocBytes = 1024;
    static constexpr int MaxTrackNumber = 99;

    /// BINARY and MOTOROLA are raw 16-bit stereo, little- and big-endian; for any other type
    /// the file says itself what it holds.
    enum class FileType { Binary, Motorola, Other };

    struct File {
        std::string name;
        FileType type = FileType::Other;
    };
    /// A position in one of the sheet's files, in sectors from the file's start.
    struct Index {
        int number = 0;
        int file = 0;
        int sector = 0;
    };
    struct Track {
        int number = 0;
        bool audio = true;
        /// Bytes per sector of a data track (MODE1/2048 and the like).
        int dataSectorBytes = 2352;
        bool preEmphasis = false;
        std::string title;
        std::string performer;
        std::string songwriter;
        /// Silence to insert before INDEX 01 and after the track, in sectors.
        int pregap = 0;
        int postgap = 0;
        /// In order of number; INDEX 01 is always there.
        std::vector<Index> indexes;

        const Index& start() const;
    };

    std::string title;
    std::string performer;
    std::string songwriter;
    /// The pressed disc's table a saved image keeps in a REM CDTOC line; empty without one.
    std::string cdToc;
    std::vector<File> files;
    std::vector<Track> tracks;

    /// The sheet in `text`, or why `text` is none.
    static std::variant<CueSheet, Reason> parse(std::string_view text);
};
