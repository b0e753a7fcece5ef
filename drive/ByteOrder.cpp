#include "drive/ByteOrder.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {
std::int16_t swapped(std::int16_t sample)
{
    return std::int16_t(__builtin_bswap16(std::uint16_t(sample)));
}
} // namespace

ByteOrder::Verdict ByteOrder::judge(std::span<const std::int16_t> samples)
{
    long long asGiven = 0;
    long long other = 0;
    long long sound = 0;
    // The same channel's previous sample is two back.
    for (std::size_t n = 2; n < samples.size(); ++n) {
        if (samples[n] == 0 && samples[n - 2] == 0)
            continue;
        ++sound;
        asGiven += std::abs(int(samples[n]) - int(samples[n - 2]));
        other += std::abs(int(swapped(samples[n])) - int(swapped(samples[n - 2])));
    }
    if (sound < LeastSound)
        return Verdict::Undecided;
    if (asGiven * Decisive <= other)
        return Verdict::AsGiven;
    if (other * Decisive <= asGiven)
        return Verdict::Swapped;
    return Verdict::Undecided;
}

ByteOrder::Verdict ByteOrder::ofSheet(std::string_view sheet)
{
    const auto upper = [](std::string_view text) {
        std::string made(text);
        for (char& c : made)
            c = c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
        return made;
    };
    while (!sheet.empty()) {
        const std::size_t end = sheet.find_first_of("\r\n");
        std::string_view line = sheet.substr(0, end);
        sheet.remove_prefix(end == std::string_view::npos ? sheet.size() : end + 1);
        line.remove_prefix(std::min(line.size(), line.find_first_not_of(" \t")));
        if (upper(line.substr(0, 5)) != "FILE " && upper(line.substr(0, 5)) != "FILE\t")
            continue;
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
            line.remove_suffix(1);
        const std::size_t last = line.find_last_of(" \t");
        return upper(line.substr(last + 1)) == "MOTOROLA" ? Verdict::Swapped : Verdict::AsGiven;
    }
    return Verdict::Undecided;
}
