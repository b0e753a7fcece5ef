#include "ctdb/CtdbToc.h"

#include <QByteArray>
#include <QCryptographicHash>

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace {

/// "450000" at most: more digits are refused before they are read.
constexpr std::size_t MaxDigits = 6;
/// The id hashes this many hexadecimal characters: 100 slots of 8.
constexpr std::size_t IdTextLength = 800;

} // namespace

CtdbToc CtdbToc::of(const DiscLayout& disc)
{
    CtdbToc toc;
    toc.leadOut = disc.leadOut;
    for (const DiscLayout::Track& track : disc.tracks)
        toc.tracks.push_back({track.start, track.audio});
    return toc;
}

std::optional<CtdbToc> CtdbToc::parse(std::string_view text)
{
    CtdbToc toc;
    std::size_t at = 0;
    while (true) {
        if (toc.tracks.size() > std::size_t(MaxTracks))
            return std::nullopt;
        const std::size_t end = std::min(text.find(':', at), text.size());
        std::string_view value = text.substr(at, end - at);
        const bool data = value.starts_with('-');
        if (data)
            value.remove_prefix(1);
        if (value.empty() || value.size() > MaxDigits ||
            !std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return std::nullopt;
        int sector = 0;
        std::from_chars(value.data(), value.data() + value.size(), sector);
        if (end == text.size()) {
            if (data)
                return std::nullopt;
            toc.leadOut = sector;
            break;
        }
        toc.tracks.push_back({sector, !data});
        at = end + 1;
    }
    if (!toc.isValid())
        return std::nullopt;
    return toc;
}

std::pair<std::size_t, std::size_t> CtdbToc::audioRun() const
{
    const auto isAudio = [](const Track& track) {
        return track.audio;
    };
    const auto first = std::find_if(tracks.begin(), tracks.end(), isAudio);
    const auto end = std::find_if_not(first, tracks.end(), isAudio);
    return {std::size_t(first - tracks.begin()), std::size_t(end - tracks.begin())};
}

int CtdbToc::audioEnd(std::size_t runEnd) const
{
    if (runEnd == tracks.size())
        return leadOut;
    // The data session's gap comes off only where the disc starts with its audio.
    return tracks[runEnd].start - (tracks.front().audio ? SessionGap : 0);
}

bool CtdbToc::isValid() const
{
    if (tracks.empty() || tracks.size() > std::size_t(MaxTracks) || leadOut > MaxSectors ||
        tracks.front().start < 0)
        return false;
    for (std::size_t n = 0; n < tracks.size(); ++n)
        if ((n + 1 < tracks.size() ? tracks[n + 1].start : leadOut) <= tracks[n].start)
            return false;
    const auto [first, end] = audioRun();
    return first < end && audioEnd(end) > tracks[end - 1].start;
}

std::string CtdbToc::toString() const
{
    if (!isValid())
        return {};
    std::string text;
    for (const Track& track : tracks) {
        if (!track.audio)
            text += '-';
        text += std::to_string(track.start);
        text += ':';
    }
    text += std::to_string(leadOut);
    return text;
}

std::vector<int> CtdbToc::audioBounds() const
{
    if (!isValid())
        return {};
    const auto [first, end] = audioRun();
    std::vector<int> bounds;
    for (std::size_t n = first; n < end; ++n)
        bounds.push_back(tracks[n].start - tracks[first].start);
    bounds.push_back(audioEnd(end) - tracks[first].start);
    return bounds;
}

int CtdbToc::audioStart() const
{
    return isValid() ? tracks[audioRun().first].start : -1;
}

std::string CtdbToc::id() const
{
    const std::vector<int> bounds = audioBounds();
    if (bounds.empty())
        return {};
    std::string text;
    for (std::size_t n = 1; n < bounds.size(); ++n) {
        char hex[9];
        std::snprintf(hex, sizeof hex, "%08X", unsigned(bounds[n]));
        text += hex;
    }
    text.resize(std::max(text.size(), IdTextLength), '0');
    QByteArray id = QCryptographicHash::hash(QByteArrayView(text.data(), qsizetype(text.size())),
                                             QCryptographicHash::Sha1)
                        .toBase64();
    std::replace(id.begin(), id.end(), '+', '.');
    std::replace(id.begin(), id.end(), '/', '_');
    std::replace(id.begin(), id.end(), '=', '-');
    return id.toStdString();
}

bool CtdbToc::hasSameAudio(const CtdbToc& other) const
{
    const std::vector<int> bounds = audioBounds();
    return !bounds.empty() && bounds == other.audioBounds();
}
