#include "accuraterip/DriveOffsets.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::size_t NameBytes = 32;

/// A name as it is compared: lower case, single spaces, none at the ends.
std::string normalised(std::string_view text)
{
    std::string made;
    for (char c : text) {
        if (c == ' ' || (c >= '\t' && c <= '\r')) {
            if (!made.empty() && made.back() != ' ')
                made += ' ';
        } else {
            made += c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
        }
    }
    if (!made.empty() && made.back() == ' ')
        made.pop_back();
    return made;
}

} // namespace

DriveOffsets DriveOffsets::parse(std::string_view file)
{
    DriveOffsets list;
    if (file.empty() || file.size() > MaxBytes || file.size() % RecordBytes != 0)
        return list;
    for (std::size_t at = 0; at < file.size(); at += RecordBytes) {
        const int offset = int16_t(std::uint16_t(std::uint8_t(file[at])) |
                                   std::uint16_t(std::uint8_t(file[at + 1])) << 8);
        const std::string_view field = file.substr(at + 2, NameBytes);
        const std::size_t end = field.find('\0');
        const std::string_view name = field.substr(0, end);
        if (end == std::string_view::npos ||
            !std::all_of(name.begin(), name.end(), [](char c) { return c >= 0x20 && c < 0x7f; }))
            return {};
        const auto [entry, added] = list.m_offsets.try_emplace(normalised(name), offset);
        if (!added && entry->second != offset)
            entry->second.reset();
    }
    return list;
}

std::optional<int> DriveOffsets::offsetFor(std::string_view vendor, std::string_view model) const
{
    std::string name(vendor);
    name += " - ";
    name += model;
    const auto entry = m_offsets.find(normalised(name));
    return entry == m_offsets.end() ? std::nullopt : entry->second;
}
