#pragma once

#include "core/Reason.h"

#include "disc/DiscToc.h"
#include "discimage/CueSheet.h"

#include <string>
#include <variant>
#include <vector>

/// Where each sector of an image's disc comes from: a stretch of one of the image's files, or
/// silence the sheet asks for. A track lasts from its INDEX 01 to the next track's, as on the
/// disc, so a gap plays at the end of the track before it.
struct ImageLayout {
    /// No image is longer than a day; beyond that a sheet's times are nonsense.
    static constexpr int MaxSectors = 24 * 60 * 60 * DiscToc::SectorsPerSecond;

    struct Segment {
        int firstSector = 0;
        int sectorCount = 0;
        /// Index into the sheet's files; Silence for inserted silence.
        int file = Silence;
        int fileSector = 0;

        static constexpr int Silence = -1;
        int endSector() const { return firstSector + sectorCount; }
    };

    DiscToc toc;
    /// In order, without gaps, from sector 0 to the lead-out.
    std::vector<Segment> segments;

    /// The disc a sheet describes, given each of its files' length in whole sectors; or why
    /// the sheet and the files do not make one.
    static std::variant<ImageLayout, Reason> build(const CueSheet& sheet,
                                                   const std::vector<int>& fileSectors);
};
