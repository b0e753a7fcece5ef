#pragma once

#include <string>

/// The texts of the About and farewell boxes.
namespace AboutText {

inline constexpr char AboutTitle[] = "About The Spindella Program";
inline constexpr char Farewell[] = "<<<<<See Ya !!!>>>>>";

/// The operating instructions, the credits and the maker's contact block, joined with
/// carriage-return line-feed line breaks.
std::string aboutPrompt();

} // namespace AboutText
