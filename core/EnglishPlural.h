#pragma once

#include <string>
#include <string_view>

/// English plurals as the sources write them, "%n track(s)": a text no translation replaced still
/// says "(s)", which this settles for `count`. Translations say no "(s)" and pass unchanged.
namespace EnglishPlural {

inline std::string settled(const std::string& text, long long count)
{
    static constexpr std::string_view Marker = "(s)";
    std::string said;
    std::size_t from = 0;
    for (auto at = text.find(Marker); at != std::string::npos; at = text.find(Marker, from)) {
        said.append(text, from, at - from);
        if (count != 1)
            said += 's';
        from = at + Marker.size();
    }
    return said.append(text, from);
}

} // namespace EnglishPlural
