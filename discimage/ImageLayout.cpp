#include "discimage/ImageLayout.h"

#include <cstdio>
#include <stdexcept>

namespace {

/// Track `t` is data after audio: an enhanced CD's second session.
bool sessionStarts(const CueSheet& sheet, std::size_t t)
{
    return t > 0 && sheet.tracks[t - 1].audio && !sheet.tracks[t].audio;
}

/// A raw image of the whole disc holds the gap before the data's session in its one file.
bool holdsSessionGap(const CueSheet& sheet, std::size_t t)
{
    const int file = sheet.tracks[t - 1].start().file;
    return sheet.tracks[t].start().file == file &&
           sheet.files[std::size_t(file)].type != CueSheet::FileType::Other;
}

} // namespace

std::variant<ImageLayout, Reason> ImageLayout::build(const CueSheet& sheet,
                                                     const std::vector<int>& fileSectors)
{
    if (fileSectors.size() != sheet.files.size())
        throw std::logic_error("Image layout: one length per file");
    ImageLayout layout;
    Reason problem;
    long long disc = 0;
    const auto lay = [&](int source, int from, int count) {
        if (count <= 0)
            return true;
        if (disc + count > MaxSectors) {
            problem = Reason(QT_TRANSLATE_NOOP("Reason", "the image is longer than 24 hours"));
            return false;
        }
        layout.segments.push_back({int(disc), count, source, from});
        disc += count;
        return true;
    };
    // The files' sound is laid in order; `at` is how far into `file` it has been laid.
    int file = 0;
    int at = 0;
    const auto layUpTo = [&](int lastFile) {
        for (; file < lastFile; ++file, at = 0)
            if (!lay(file, at, fileSectors[std::size_t(file)] - at))
                return false;
        return true;
    };
    const auto reach = [&](const CueSheet::Index& index, int track) {
        if (!layUpTo(index.file))
            return false;
        if (index.sector > fileSectors[std::size_t(file)]) {
            char number[8];
            std::snprintf(number, sizeof number, "%02d", track);
            problem = Reason(
                QT_TRANSLATE_NOOP("Reason", "TRACK %1 has an INDEX past the end of %2"),
                {Reason::verbatim(number), Reason::verbatim(sheet.files[std::size_t(file)].name)});
            return false;
        }
        if (!lay(file, at, index.sector - at))
            return false;
        at = index.sector;
        return true;
    };

    std::vector<int> starts;
    for (std::size_t t = 0; t < sheet.tracks.size(); ++t) {
        const CueSheet::Track& track = sheet.tracks[t];
        if (!reach(track.indexes.front(), track.number) ||
            (t > 0 && !lay(Segment::Silence, 0, sheet.tracks[t - 1].postgap)))
            return problem;
        // An enhanced CD's data track in a file of its own: the gap before the data's session
        // is in no file, so it is laid as silence, as on the pressed disc.
        if (sessionStarts(sheet, t) && !holdsSessionGap(sheet, t)) {
            const CueSheet::Index& first = track.indexes.front();
            const int pregap =
                track.start().file == first.file ? track.start().sector - first.sector : 0;
            if (!lay(Segment::Silence, 0, std::max(DiscToc::SessionGap - pregap, 0)))
                return problem;
        }
        if (!reach(track.start(), track.number) || !lay(Segment::Silence, 0, track.pregap))
            return problem;
        starts.push_back(int(disc));
    }
    if (!layUpTo(int(fileSectors.size())) || !lay(Segment::Silence, 0, sheet.tracks.back().postgap))
        return problem;

    DiscToc& toc = layout.toc;
    toc.leadOut = int(disc);
    toc.title = sheet.title;
    toc.performer = sheet.performer;
    toc.fromImage = true;
    toc.pressedToc = sheet.cdToc;
    for (std::size_t t = 0; t < sheet.tracks.size(); ++t) {
        const CueSheet::Track& source = sheet.tracks[t];
        TrackInfo track;
        track.number = source.number;
        track.firstSector = starts[t];
        track.sectorCount = (t + 1 < starts.size() ? starts[t + 1] : toc.leadOut) - starts[t];
        track.audio = source.audio;
        track.preEmphasis = source.preEmphasis;
        track.title = source.title;
        track.performer = source.performer;
        track.songwriter = source.songwriter;
        // The gap before an enhanced CD's data session, held by a raw image or laid above, is
        // no music.
        if (t + 1 < sheet.tracks.size() && sessionStarts(sheet, t + 1) &&
            track.sectorCount > DiscToc::SessionGap)
            track.sectorCount -= DiscToc::SessionGap;
        toc.tracks.push_back(track);
    }
    return layout;
}
