#include "discsave/ImageLog.h"

#include "discsave/ImageDescription.h"
#include "discsave/PlainText.h"

#include <QCryptographicHash>

#include <algorithm>
#include <cstdio>

namespace {

std::string sha256(std::string_view text)
{
    return QCryptographicHash::hash(QByteArrayView(text.data(), qsizetype(text.size())),
                                    QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
}

std::string hex(std::uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%08X", value);
    return text;
}

std::string answer(const ImageLog::Track& track)
{
    switch (track.accurateRip) {
    case ImageLog::AccurateRip::Accurate:
        return "accurate (confidence " + std::to_string(track.confidence) + ")";
    case ImageLog::AccurateRip::Differs:
        return "differs";
    case ImageLog::AccurateRip::NotInDatabase:
        return "not in database";
    case ImageLog::AccurateRip::NotChecked:
        break;
    }
    return "not checked";
}

/// A label and its value, the values of a block in one column; nothing for no value.
std::string field(std::string_view label, std::string_view value, std::size_t column = 16)
{
    const std::string text = PlainText::cut(PlainText::oneLine(value), 1000);
    if (text.empty())
        return {};
    std::string line(label);
    line.resize(std::max(label.size() + 1, column), ' ');
    return line.append(text).append("\n");
}

std::string agreement(ImageLog::Agreement agreement)
{
    switch (agreement) {
    case ImageLog::Agreement::Agrees:
        return " (agrees)";
    case ImageLog::Agreement::Corrected:
        return " (corrected by re-reading)";
    case ImageLog::Agreement::Unsettled:
        return " (some sectors never read alike twice)";
    case ImageLog::Agreement::Differs:
        return " (differs)";
    case ImageLog::Agreement::NotTested:
        break;
    }
    return {};
}

/// A suspicious position: a time in the track, or before it a time on the disc.
std::string position(const ImageLog::Track& track, int sector)
{
    // Only a file that keeps the audio before track 1 holds sectors before a track's start, and
    // such a file starts where the disc does.
    const int inFile = track.start + sector;
    if (sector >= 0 || inFile < 0) // a sector straddling the file's start: heard at its start
        return ImageDescription::time(std::max(sector, 0));
    return ImageDescription::time(inFile) + " on the disc";
}

std::string counted(std::size_t count, const char* one, const char* many)
{
    return std::to_string(count) + ' ' + (count == 1 ? one : many);
}

std::string summary(const std::vector<ImageLog::Track>& tracks)
{
    std::size_t accurate = 0, tested = 0, agreeing = 0, suspicious = 0;
    for (const ImageLog::Track& track : tracks) {
        accurate += track.accurateRip == ImageLog::AccurateRip::Accurate;
        tested += track.testCrc.has_value();
        agreeing += track.agreement() == ImageLog::Agreement::Agrees;
        suspicious += track.suspicious.size();
    }
    std::string text = "Summary: " + std::to_string(accurate) + " of " +
                       counted(tracks.size(), "track", "tracks") + " accurate; ";
    text += tested == 0 ? "no test read"
                        : "test and copy agree on " + std::to_string(agreeing) + " of " +
                              counted(tested, "track", "tracks") + " read twice";
    text += "; " + (suspicious == 0
                        ? std::string("no suspicious positions")
                        : counted(suspicious, "suspicious position", "suspicious positions"));
    return text + ".\n";
}

} // namespace

ImageLog::Agreement ImageLog::Track::agreement() const
{
    if (!testCrc)
        return Agreement::NotTested;
    if (!suspicious.empty())
        return Agreement::Unsettled;
    if (*testCrc == copyCrc)
        return Agreement::Agrees;
    return rereads > 0 ? Agreement::Corrected : Agreement::Differs;
}

std::string ImageLog::text() const
{
    std::string log = PlainText::oneLine(program) + ": disc image log\n\n";
    log += field("Saved", saved);
    log += field("Disc", performer + " - " + title);
    log += field("Drive", drive);
    log += field("Read offset", (readOffset > 0 ? "+" : "") + std::to_string(readOffset) +
                                    " samples (" + readOffsetSource + ")");
    log += field("Reading", readingMode);
    log += field("Byte order", byteOrder);
    for (const std::string& note : notes)
        log += field("Note", note);
    // A track's fields are indented; their values in the same column as the disc's.
    const auto trackField = [&](std::string_view label, std::string_view value) {
        log += "  " + field(label, value, 14);
    };
    for (const Track& track : tracks) {
        char number[8];
        std::snprintf(number, sizeof number, "%02d", track.number);
        log += std::string("\nTrack ") + number + "\n";
        trackField("Start", ImageDescription::time(track.start));
        trackField("Length", ImageDescription::time(track.length));
        trackField("Gap", track.gap > 0 ? ImageDescription::time(track.gap) : "none");
        trackField("Test CRC32", track.testCrc ? hex(*track.testCrc) : "not read");
        trackField("Copy CRC32", hex(track.copyCrc) + agreement(track.agreement()));
        trackField("AccurateRip", "v1 " + hex(track.accurateRipV1) + ", v2 " +
                                      hex(track.accurateRipV2) + ": " + answer(track));
        trackField("Re-reads", std::to_string(track.rereads));
        std::string positions;
        for (const int sector : track.suspicious)
            positions += (positions.empty() ? "" : ", ") + position(track, sector);
        trackField("Suspicious", positions.empty() ? "none" : positions);
    }
    log.append("\n").append(summary(tracks));
    for (const std::string& line : afterSummary)
        log.append(PlainText::oneLine(line)).append("\n");
    log.append("\n");
    return log + std::string(ChecksumLabel) + sha256(log) + "\n";
}

bool ImageLog::isIntact(std::string_view log)
{
    if (log.size() > MaxLogBytes || log.size() <= ChecksumLabel.size() + 64 || !log.ends_with('\n'))
        return false;
    const std::size_t lineEnd = log.size() - 1;
    const std::size_t lineStart = log.rfind('\n', lineEnd - 1) + 1;
    const std::string_view line = log.substr(lineStart, lineEnd - lineStart);
    if (!line.starts_with(ChecksumLabel))
        return false;
    return line.substr(ChecksumLabel.size()) == sha256(log.substr(0, lineStart));
}
