#pragma once

#include <string>
#include <string_view>

/// Names from discs and web answers made fit for the files a saved disc is written to: one line
/// of valid UTF-8 of a bounded length.
namespace PlainText {

/// Invalid bytes become U+FFFD and control characters (NUL, line breaks and tabs among them)
/// spaces; trimmed of spaces.
std::string oneLine(std::string_view text);

/// At most `maxBytes` of valid UTF-8, cut between characters and trimmed of spaces.
std::string cut(std::string_view text, std::size_t maxBytes);

/// Straight double quotes as curly ones: a cue sheet has no way to write a straight one inside
/// a quoted name.
std::string curlyQuotes(std::string_view text);

} // namespace PlainText
