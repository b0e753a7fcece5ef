// Makes the CUETools database's entry of a disc image for the stand-in database: its lookup
// answer and its parity file, as the database would hold them for a rip read SHIFT samples
// later than the image.
// Usage: ctdb_entry IMAGE.cue SHIFT FOLDER  (writes FOLDER/entry.xml and FOLDER/parity.bin)
#include "ctdb/CtdbToc.h"
#include "disc/DiscLayout.h"
#include "discimage/ImageDiscReader.h"
#include "support/CtdbEntryFiles.h"

#include <QString>

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 4)
        return 2;
    std::string fault;
    const auto image = ImageDiscReader::open(argv[1], fault);
    const int shift = std::atoi(argv[2]);
    const QString folder = QString::fromLocal8Bit(argv[3]);
    if (!image) {
        std::fprintf(stderr, "ctdb_entry: %s\n", fault.c_str());
        return 1;
    }
    const CtdbToc toc = CtdbToc::of(DiscLayout::of(image->toc()));
    const std::vector<int> bounds = toc.audioBounds();
    const std::optional<CtdbLayout> layout =
        bounds.empty() ? std::nullopt : CtdbLayout::of(bounds.back());
    if (!layout)
        return 1;
    std::vector<std::int16_t> audio(layout->words);
    int first = -1;
    for (const TrackInfo& track : image->toc().tracks)
        if (first < 0 && track.audio && track.number >= 1)
            first = track.firstSector;
    if (first < 0 || !image->read(first, bounds.back(), audio.data()))
        return 1;
    return writeCtdbEntry(folder, toc, audio, shift) ? 0 : 1;
}
