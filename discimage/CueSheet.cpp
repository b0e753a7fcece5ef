#include "discimage/CueSheet.h"

#include "disc/CdText.h"

#include <algorithm>
#include <charconv>

namespace {

std::string upper(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; });
    return out;
}

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

/// A quoted string or a bare word at the start of `rest`, which moves past it. A quote left
/// open runs to the end of the line.
std::string_view word(std::string_view& rest)
{
    rest = trimmed(rest);
    std::size_t end = 0;
    std::string_view found;
    if (rest.starts_with('"')) {
        end = rest.find('"', 1);
        found = rest.substr(1, end == std::string_view::npos ? std::string_view::npos : end - 1);
        end = end == std::string_view::npos ? rest.size() : end + 1;
    } else {
        end = std::min(rest.find_first_of(" \t"), rest.size());
        found = rest.substr(0, end);
    }
    rest.remove_prefix(end);
    return found;
}

/// Digits only, at most `max`.
bool number(std::string_view text, int max, int& value)
{
    if (text.empty() || text.size() > 4)
        return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= 0 && value <= max;
}

/// mm:ss:ff, where ff counts sectors (75 a second).
bool time(std::string_view text, int& sectors)
{
    const auto first = text.find(':');
    const auto second = text.find(':', first == std::string_view::npos ? first : first + 1);
    if (second == std::string_view::npos)
        return false;
    int minutes = 0, seconds = 0, frames = 0;
    if (!number(text.substr(0, first), 9999, minutes) ||
        !number(text.substr(first + 1, second - first - 1), 59, seconds) ||
        !number(text.substr(second + 1), 74, frames))
        return false;
    sectors = (minutes * 60 + seconds) * 75 + frames;
    return true;
}

/// UTF-16 after its byte-order mark, as UTF-8; a lone surrogate becomes U+FFFD.
std::string fromUtf16(std::string_view bytes, bool bigEndian)
{
    const auto unit = [&](std::size_t at) {
        const auto high = uint8_t(bytes[at + (bigEndian ? 0 : 1)]);
        const auto low = uint8_t(bytes[at + (bigEndian ? 1 : 0)]);
        return char32_t(high << 8 | low);
    };
    std::string out;
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
        char32_t code = unit(at);
        if (code >= 0xd800 && code < 0xdc00 && at + 3 < bytes.size() && unit(at + 2) >= 0xdc00 &&
            unit(at + 2) < 0xe000) {
            code = 0x10000 + ((code - 0xd800) << 10) + (unit(at + 2) - 0xdc00);
            at += 2;
        } else if (code >= 0xd800 && code < 0xe000) {
            code = 0xfffd;
        }
        if (code < 0x80) {
            out += char(code);
        } else if (code < 0x800) {
            out += char(0xc0 | code >> 6);
            out += char(0x80 | (code & 0x3f));
        } else if (code < 0x10000) {
            out += char(0xe0 | code >> 12);
            out += char(0x80 | (code >> 6 & 0x3f));
            out += char(0x80 | (code & 0x3f));
        } else {
            out += char(0xf0 | code >> 18);
            out += char(0x80 | (code >> 12 & 0x3f));
            out += char(0x80 | (code >> 6 & 0x3f));
            out += char(0x80 | (code & 0x3f));
        }
    }
    return out;
}

std::string text(std::string_view rest)
{
    rest = trimmed(rest);
    const std::string raw(rest.starts_with('"') ? word(rest) : rest);
    return CdText::clean(raw.c_str());
}

} // namespace

const CueSheet::Index& CueSheet::Track::start() const
{
    return *std::find_if(indexes.begin(), indexes.end(),
                         [](const Index& index) { return index.number == 1; });
}

std::variant<CueSheet, Reason> CueSheet::parse(std::string_view sheetText)
{
    if (sheetText.size() > MaxBytes)
        return Reason(QT_TRANSLATE_NOOP("Reason", "the cue sheet is larger than 1 MB"));
    // Some Windows tools write UTF-16, always with its byte-order mark.
    std::string converted;
    const bool littleEndian = sheetText.starts_with("\xff\xfe");
    if (littleEndian || sheetText.starts_with("\xfe\xff")) {
        converted = fromUtf16(sheetText.substr(2), !littleEndian);
        sheetText = converted;
    }
    if (sheetText.starts_with("\xef\xbb\xbf"))
        sheetText.remove_prefix(3);
    if (sheetText.find('\0') != std::string_view::npos)
        return Reason(QT_TRANSLATE_NOOP("Reason", "this is no cue sheet: it holds binary data"));
    if (!CdText::isUtf8(sheetText)) {
        converted = CdText::fromWindows1252(sheetText);
        sheetText = converted;
    }

    CueSheet sheet;
    Track* track = nullptr;
    int lineNumber = 0;
    int lastIndexFile = -1;
    int lastIndexSector = 0;
    const auto fail = [&](Reason what) {
        return Reason(QT_TRANSLATE_NOOP("Reason", "line %1: %2"),
                      {Reason::verbatim(std::to_string(lineNumber)), std::move(what)});
    };
    const auto hasStart = [](const Track* t) {
        return !t || std::any_of(t->indexes.begin(), t->indexes.end(),
                                 [](const Index& index) { return index.number == 1; });
    };
    // Rippers write a data track they did not read as a placeholder, with INDEX 00 only or no
    // index at all. It is never played, so where its INDEX 00 is, or where the sheet stands,
    // will do for its start.
    int trackFile = 0;
    const auto placeData = [&](Track* t) {
        if (!t || t->audio || hasStart(t))
            return;
        const int file = trackFile;
        if (t->indexes.empty())
            t->indexes.push_back({1, file, file == lastIndexFile ? lastIndexSector : 0});
        else
            t->indexes.push_back({1, t->indexes.back().file, t->indexes.back().sector});
        lastIndexFile = t->indexes.back().file;
        lastIndexSector = t->indexes.back().sector;
    };

    while (!sheetText.empty()) {
        ++lineNumber;
        const auto end = sheetText.find('\n');
        std::string_view line = sheetText.substr(0, end);
        sheetText.remove_prefix(end == std::string_view::npos ? sheetText.size() : end + 1);
        if (line.size() > MaxLineBytes)
            return fail(Reason(QT_TRANSLATE_NOOP("Reason", "longer than 4096 bytes")));
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        std::string_view rest = line;
        const std::string keyword = upper(word(rest));

        if (keyword == "FILE") {
            File file;
            rest = trimmed(rest);
            // Unquoted, the name is everything before the type word.
            const auto space = rest.find_last_of(" \t");
            const bool quoted = rest.starts_with('"') || space == std::string_view::npos;
            file.name = std::string(quoted ? word(rest) : trimmed(rest.substr(0, space)));
            const std::string type = upper(quoted ? trimmed(rest) : rest.substr(space + 1));
            file.type = type == "BINARY"     ? FileType::Binary
                        : type == "MOTOROLA" ? FileType::Motorola
                                             : FileType::Other;
            if (file.name.empty())
                return fail(Reason(QT_TRANSLATE_NOOP("Reason", "FILE without a name")));
            sheet.files.push_back(file);
        } else if (keyword == "TRACK") {
            if (sheet.files.empty())
                return fail(Reason(QT_TRANSLATE_NOOP("Reason", "TRACK before any FILE")));
            placeData(track);
            if (!hasStart(track))
                return fail(Reason(QT_TRANSLATE_NOOP("Reason", "TRACK %1 has no INDEX 01"),
                                   {Reason::verbatim(std::to_string(track->number))}));
            int n = 0;
            if (!number(word(rest), MaxTrackNumber, n) || n == 0 || (track && n <= track->number))
                return fail(
                    Reason(QT_TRANSLATE_NOOP("Reason", "track numbers must rise from 1 to 99")));
            const std::string mode = upper(trimmed(rest));
            Track next;
            next.number = n;
            next.audio = mode == "AUDIO";
            int bytes = 0;
            const auto slash = mode.find('/');
            if (!next.audio && slash != std::string::npos &&
                number(std::string_view(mode).substr(slash + 1), 9999, bytes) && bytes > 0)
                next.dataSectorBytes = bytes;
            sheet.tracks.push_back(next);
            track = &sheet.tracks.back();
            trackFile = int(sheet.files.size()) - 1;
        } else if (keyword == "INDEX" || keyword == "PREGAP" || keyword == "POSTGAP" ||
                   keyword == "FLAGS") {
            if (!track)
                return fail(Reason(QT_TRANSLATE_NOOP("Reason", "%1 before any TRACK"),
                                   {Reason::verbatim(keyword)}));
            if (keyword == "FLAGS") {
                for (std::string_view flag = word(rest); !flag.empty(); flag = word(rest))
                    track->preEmphasis = track->preEmphasis || upper(flag) == "PRE";
                continue;
            }
            int n = 0, sectors = 0;
            if (keyword == "INDEX" && !number(word(rest), 99, n))
                return fail(
                    Reason(QT_TRANSLATE_NOOP("Reason", "INDEX needs a number from 00 to 99")));
            if (!time(trimmed(rest), sectors))
                return fail(Reason(QT_TRANSLATE_NOOP("Reason", "%1 needs a time mm:ss:ff"),
                                   {Reason::verbatim(keyword)}));
            if (keyword == "PREGAP") {
                track->pregap = sectors;
            } else if (keyword == "POSTGAP") {
                track->postgap = sectors;
            } else {
                if (!track->indexes.empty() && n <= track->indexes.back().number)
                    return fail(Reason(
                        QT_TRANSLATE_NOOP("Reason", "index numbers must rise within a track")));
                const int file = int(sheet.files.size()) - 1;
                if (file == lastIndexFile && sectors < lastIndexSector)
                    return fail(Reason(QT_TRANSLATE_NOOP("Reason", "INDEX goes back in time")));
                lastIndexFile = file;
                lastIndexSector = sectors;
                track->indexes.push_back({n, file, sectors});
            }
        } else if (keyword == "TITLE" || keyword == "PERFORMER" || keyword == "SONGWRITER") {
            std::string& field = keyword == "TITLE" ? (track ? track->title : sheet.title)
                                 : keyword == "PERFORMER"
                                     ? (track ? track->performer : sheet.performer)
                                     : (track ? track->songwriter : sheet.songwriter);
            field = text(rest);
        } else if (keyword == "REM" && upper(word(rest)) == "CDTOC")
            sheet.cdToc = std::string(trimmed(rest).substr(0, MaxCdTocBytes));
        // Other REMs, CATALOG, ISRC, CDTEXTFILE and anything unknown say nothing we play.
    }
    if (!track)
        return Reason(QT_TRANSLATE_NOOP("Reason", "no TRACK in it"));
    placeData(track);
    if (!hasStart(track))
        return Reason(QT_TRANSLATE_NOOP("Reason", "TRACK %1 has no INDEX 01"),
                      {Reason::verbatim(std::to_string(track->number))});
    return sheet;
}
