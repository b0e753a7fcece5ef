#pragma once

#include <string>

/// CD-Text as it arrives from discs: control characters, broken encodings, endless fields.
namespace CdText {

/// Longest text kept, in characters.
inline constexpr std::size_t MaxLength = 100;

/// Valid UTF-8 without control characters, trimmed and cut at MaxLength characters; invalid
/// bytes become U+FFFD.
std::string clean(const char* text);

} // namespace CdText
