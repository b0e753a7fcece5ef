#include "discimage/FlacCueSheet.h"

#include <FLAC/metadata.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>

namespace {

constexpr unsigned FramesPerSector = 588;
constexpr unsigned LeadOutNumber = 170;
/// The two seconds before every disc's first track, which a CD's lead-in counts.
constexpr FLAC__uint64 TwoSeconds = 2ULL * 44100;
/// Longer silence left out before track 1 is no pressed disc's.
constexpr FLAC__uint64 MostPregapSectors = 10ULL * 60 * 75;
/// A title longer than this is cut, as a sheet's line would be.
constexpr std::size_t MostNameBytes = 1000;

struct BlockDeleter {
    void operator()(FLAC__StreamMetadata* block) const { FLAC__metadata_object_delete(block); }
};
using Block = std::unique_ptr<FLAC__StreamMetadata, BlockDeleter>;

/// The value of the first comment named `name`, or nothing.
std::string comment(const FLAC__StreamMetadata* tags, const char* name)
{
    if (!tags)
        return {};
    const int at = FLAC__metadata_object_vorbiscomment_find_entry_from(tags, 0, name);
    if (at < 0)
        return {};
    const FLAC__StreamMetadata_VorbisComment_Entry& entry = tags->data.vorbis_comment.comments[at];
    const std::string_view text(reinterpret_cast<const char*>(entry.entry), entry.length);
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos)
        return {};
    std::string value(text.substr(equals + 1, MostNameBytes));
    for (char& c : value)
        if (static_cast<unsigned char>(c) < 0x20)
            c = ' ';
    return value;
}

bool isCdToc(std::string_view text)
{
    if (text.empty() || text.size() > CueSheet::MaxCdTocBytes)
        return false;
    for (const char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f') ||
              c == '+' || c == 'X'))
            return false;
    return true;
}

} // namespace

std::variant<CueSheet, Reason> FlacCueSheet::read(const std::string& path)
{
    FLAC__StreamMetadata* found = nullptr;
    if (!FLAC__metadata_get_cuesheet(path.c_str(), &found) || !found)
        return Reason(QT_TRANSLATE_NOOP("Reason", "it holds no cue sheet of its own"));
    const Block block(found);
    const FLAC__StreamMetadata_CueSheet& flac = block->data.cue_sheet;
    if (!flac.is_cd)
        return Reason(QT_TRANSLATE_NOOP("Reason", "its cue sheet is not a CD's"));
    if (flac.num_tracks < 2 || flac.num_tracks > CueSheet::MaxTrackNumber + 1 ||
        flac.tracks[flac.num_tracks - 1].number != LeadOutNumber)
        return Reason(QT_TRANSLATE_NOOP("Reason", "its cue sheet has no tracks, or no end"));

    CueSheet sheet;
    sheet.files.push_back(
        {std::filesystem::path(path).filename().string(), CueSheet::FileType::Other});
    int previous = 0;
    for (unsigned n = 0; n + 1 < flac.num_tracks; ++n) {
        const FLAC__StreamMetadata_CueSheet_Track& from = flac.tracks[n];
        if (from.number <= previous || from.number > CueSheet::MaxTrackNumber)
            return Reason(QT_TRANSLATE_NOOP("Reason", "its cue sheet's track %1 is out of order"),
                          {Reason::verbatim(std::to_string(from.number))});
        if (from.type != 0)
            return Reason(QT_TRANSLATE_NOOP("Reason", "its cue sheet's track %1 is no audio"),
                          {Reason::verbatim(std::to_string(from.number))});
        if (from.offset % FramesPerSector != 0 || from.num_indices == 0 || from.num_indices > 100)
            return Reason(QT_TRANSLATE_NOOP(
                              "Reason", "its cue sheet's track %1 does not lie on a CD's sectors"),
                          {Reason::verbatim(std::to_string(from.number))});
        previous = from.number;
        CueSheet::Track& track = sheet.tracks.emplace_back();
        track.number = from.number;
        track.preEmphasis = from.pre_emphasis;
        for (unsigned i = 0; i < from.num_indices; ++i) {
            const FLAC__StreamMetadata_CueSheet_Index& index = from.indices[i];
            const FLAC__uint64 at = from.offset + index.offset;
            if (index.offset % FramesPerSector != 0 || at / FramesPerSector > INT32_MAX ||
                (!track.indexes.empty() && index.number <= track.indexes.back().number) ||
                index.number > 99)
                return Reason(QT_TRANSLATE_NOOP(
                                  "Reason", "its cue sheet's track %1 has indexes out of order"),
                              {Reason::verbatim(std::to_string(from.number))});
            track.indexes.push_back({index.number, 0, int(at / FramesPerSector)});
        }
        if (track.indexes.front().number > 1 ||
            (track.indexes.front().number == 0 &&
             (track.indexes.size() < 2 || track.indexes[1].number != 1)))
            return Reason(QT_TRANSLATE_NOOP("Reason", "its cue sheet's track %1 has no INDEX 01"),
                          {Reason::verbatim(std::to_string(from.number))});
    }
    // The lead-in is the two seconds before track 1, and the silence the file leaves out.
    if (flac.lead_in > TwoSeconds && (flac.lead_in - TwoSeconds) % FramesPerSector == 0 &&
        (flac.lead_in - TwoSeconds) / FramesPerSector <= MostPregapSectors)
        sheet.tracks.front().pregap = int((flac.lead_in - TwoSeconds) / FramesPerSector);

    FLAC__StreamMetadata* tags = nullptr;
    const Block comments(FLAC__metadata_get_tags(path.c_str(), &tags) ? tags : nullptr);
    sheet.title = comment(comments.get(), "ALBUM");
    sheet.performer = comment(comments.get(), "ALBUMARTIST");
    if (sheet.performer.empty())
        sheet.performer = comment(comments.get(), "ARTIST");
    if (const std::string toc = comment(comments.get(), "CDTOC"); isCdToc(toc))
        sheet.cdToc = toc;
    return sheet;
}
