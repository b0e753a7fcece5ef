#pragma once

#include <string>
#include <string_view>

/// CD-Text as it arrives from discs and cue sheets: control characters, broken encodings,
/// endless fields.
namespace CdText {

/// Longest text kept, in characters.
inline constexpr std::size_t MaxLength = 100;

/// Valid UTF-8 without control characters, trimmed and cut at MaxLength characters; invalid
/// bytes become U+FFFD.
std::string clean(const char* text);

/// Whether every byte of `text` belongs to a well-formed UTF-8 character.
bool isUtf8(std::string_view text);

/// Windows-1252 (Latin-1 with printable characters in 0x80 to 0x9F) as UTF-8.
std::string fromWindows1252(std::string_view text);

} // namespace CdText
