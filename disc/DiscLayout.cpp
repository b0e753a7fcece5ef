#include "disc/DiscLayout.h"

#include <cstdio>

namespace {
/// Where a disc's sector 0 lies, counted from the start of the lead-in.
constexpr int LeadIn = 150;
/// No disc's address goes past 100 minutes.
constexpr int MaxAddress = 100 * 60 * DiscToc::SectorsPerSecond;

std::string hex(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%X", unsigned(value));
    return text;
}

/// Up to `digits` hexadecimal digits, either case.
std::optional<int> hexNumber(std::string_view text, std::size_t digits)
{
    if (text.empty() || text.size() > digits)
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        const int digit = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                 : -1;
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + digit;
    }
    return value;
}

/// A sector address from the lead-in's start, as a sector of the disc.
std::optional<int> address(std::string_view text)
{
    const std::optional<int> value = hexNumber(text, 6);
    if (!value || *value < LeadIn || *value > MaxAddress + LeadIn)
        return std::nullopt;
    return *value - LeadIn;
}

std::vector<int> audioStarts(const DiscLayout& disc)
{
    std::vector<int> starts;
    for (const DiscLayout::Track& track : disc.tracks)
        if (track.audio)
            starts.push_back(track.start);
    return starts;
}
} // namespace

DiscLayout DiscLayout::of(const DiscToc& disc)
{
    DiscLayout layout;
    layout.leadOut = disc.leadOut;
    layout.tracks.reserve(disc.tracks.size());
    // An image's table already counts the silence before track 1 in its sectors.
    for (const TrackInfo& track : disc.tracks)
        layout.tracks.push_back({track.number, track.firstSector, track.sectorCount, track.audio});
    // An image keeps the pressed disc's whole table, its data tracks too, which it left out.
    if (!disc.pressedToc.empty())
        if (std::optional<DiscLayout> pressed = fromCdToc(disc.pressedToc);
            pressed && pressed->hasSameAudio(layout))
            return *pressed;
    return layout;
}

std::optional<DiscLayout> DiscLayout::fromCdToc(std::string_view text)
{
    std::vector<std::string_view> parts;
    while (parts.size() <= 103) {
        const std::size_t plus = text.find('+');
        parts.push_back(text.substr(0, plus));
        if (plus == std::string_view::npos)
            break;
        text.remove_prefix(plus + 1);
    }
    // 99 tracks, a data track, the lead-out and the count at the most.
    if (parts.size() > 103)
        return std::nullopt;
    const int audio = hexNumber(parts.front(), 2).value_or(0);
    if (audio < 1 || audio > 99 || parts.size() < std::size_t(audio) + 2)
        return std::nullopt;
    DiscLayout layout;
    std::vector<int> values;
    for (std::size_t n = 1; n < parts.size(); ++n) {
        const bool data = parts[n].starts_with('X') || parts[n].starts_with('x');
        // Only the last value may be a leading data track's start.
        if (data && n + 1 != parts.size())
            return std::nullopt;
        const std::optional<int> value = address(data ? parts[n].substr(1) : parts[n]);
        if (!value)
            return std::nullopt;
        values.push_back(*value);
    }
    const std::size_t extra = values.size() - std::size_t(audio);
    const bool dataFirst = parts.back().starts_with('X') || parts.back().starts_with('x');
    if (dataFirst ? extra != 2 : extra != 1 && extra != 2)
        return std::nullopt;
    int number = 1;
    if (dataFirst)
        layout.tracks.push_back({number++, values.back(), 0, false});
    for (int n = 0; n < audio; ++n)
        layout.tracks.push_back({number++, values[std::size_t(n)], 0, true});
    if (!dataFirst && extra == 2)
        layout.tracks.push_back({number++, values[std::size_t(audio)], 0, false});
    layout.leadOut = dataFirst ? values[std::size_t(audio)] : values.back();
    for (std::size_t n = 0; n < layout.tracks.size(); ++n) {
        const int end = n + 1 < layout.tracks.size() ? layout.tracks[n + 1].start : layout.leadOut;
        layout.tracks[n].length = end - layout.tracks[n].start;
        if (layout.tracks[n].length <= 0)
            return std::nullopt;
    }
    return layout;
}

std::string DiscLayout::cdToc() const
{
    const std::vector<int> starts = audioStarts(*this);
    if (starts.empty() || starts.size() > 99 || tracks.size() > starts.size() + 1)
        return {};
    const bool dataFirst = !tracks.front().audio;
    const bool dataLast = !tracks.back().audio;
    std::string text = hex(int(starts.size()));
    for (const int start : starts)
        text += '+' + hex(start + LeadIn);
    if (dataLast)
        text += '+' + hex(tracks.back().start + LeadIn);
    text += '+' + hex(leadOut + LeadIn);
    if (dataFirst)
        text += "+X" + hex(tracks.front().start + LeadIn);
    return text;
}

bool DiscLayout::hasSameAudio(const DiscLayout& other) const
{
    std::vector<int> mine = audioStarts(*this);
    std::vector<int> theirs = audioStarts(other);
    if (mine.empty() || mine.size() != theirs.size() ||
        audioLeadOut() - mine.front() != other.audioLeadOut() - theirs.front())
        return false;
    for (std::size_t n = mine.size(); n-- > 0;) {
        mine[n] -= mine.front();
        theirs[n] -= theirs.front();
    }
    return mine == theirs;
}

const DiscLayout::Track* DiscLayout::lastAudio() const
{
    for (auto track = tracks.rbegin(); track != tracks.rend(); ++track)
        if (track->audio)
            return &*track;
    return nullptr;
}

int DiscLayout::audioLeadOut() const
{
    const Track* last = lastAudio();
    if (last && last != &tracks.back())
        return (last + 1)->start - DiscToc::SessionGap;
    return leadOut;
}
