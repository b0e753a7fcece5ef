#include "discsave/CueSheetWriter.h"

#include "discsave/PlainText.h"

#include <cstdio>
#include <stdexcept>

namespace {

std::string cleaned(std::string_view name)
{
    return PlainText::cut(PlainText::curlyQuotes(PlainText::oneLine(name)),
                          CueSheetWriter::MaxNameBytes);
}

std::string twoDigits(int number)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d", number);
    return text;
}

} // namespace

std::string CueSheetWriter::text(const ImageDescription& image, std::string_view audioFileName)
{
    if (const Reason problem = image.problem(); !problem.empty())
        throw std::logic_error("Cue sheet of a described image that cannot be: " +
                               problem.english());
    std::string sheet;
    const auto line = [&](std::string_view indent, std::string_view keyword,
                          std::string_view value) {
        sheet.append(indent).append(keyword).append(" ").append(value).append("\n");
    };
    // A name that cleans away to nothing is left out.
    const auto name = [&](std::string_view indent, std::string_view keyword, std::string_view raw) {
        if (const std::string text = cleaned(raw); !text.empty())
            line(indent, keyword, '"' + text + '"');
    };
    if (const std::string date = PlainText::cut(PlainText::oneLine(image.date), 100); !date.empty())
        line("", "REM DATE", date);
    if (!image.freedbId.empty()) {
        std::string id = image.freedbId;
        for (char& c : id)
            c = c >= 'a' && c <= 'f' ? char(c - 'a' + 'A') : c;
        line("", "REM DISCID", id);
    }
    if (!image.cdToc.empty())
        line("", "REM CDTOC", image.cdToc);
    if (!image.catalog.empty())
        line("", "CATALOG", image.catalog);
    name("", "PERFORMER", image.performer);
    name("", "TITLE", image.title);
    line("", "FILE", '"' + cleaned(audioFileName) + "\" WAVE");

    for (const ImageDescription::Track& track : image.tracks) {
        line("  ", "TRACK", twoDigits(track.number) + " AUDIO");
        name("    ", "TITLE", track.title);
        name("    ", "PERFORMER", track.performer);
        if (!track.isrc.empty())
            line("    ", "ISRC", track.isrc);
        if (track.preEmphasis || track.copyPermitted)
            line("    ", "FLAGS",
                 std::string(track.preEmphasis ? "PRE" : "") +
                     (track.preEmphasis && track.copyPermitted ? " " : "") +
                     (track.copyPermitted ? "DCP" : ""));
        if (&track == &image.tracks.front() && image.pregap > 0)
            line("    ", "PREGAP", ImageDescription::time(image.pregap));
        if (track.gap > 0)
            line("    ", "INDEX 00", ImageDescription::time(track.start - track.gap));
        line("    ", "INDEX 01", ImageDescription::time(track.start));
    }
    return sheet;
}
