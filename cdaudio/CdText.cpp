#include "cdaudio/CdText.h"

namespace {

/// Decodes one UTF-8 sequence at `p`; returns its length, or 0 when it is invalid.
std::size_t decode(const unsigned char* p, char32_t& code)
{
    const std::size_t length = p[0] < 0x80    ? 1
                               : p[0] >= 0xf0 ? 4
                               : p[0] >= 0xe0 ? 3
                               : p[0] >= 0xc2 ? 2
                                              : 0;
    if (length == 0)
        return 0;
    code = length == 1 ? p[0] : p[0] & (0x7f >> length);
    for (std::size_t n = 1; n < length; ++n) {
        if ((p[n] & 0xc0) != 0x80)
            return 0;
        code = code << 6 | (p[n] & 0x3f);
    }
    // Over-long forms, surrogates and code points past Unicode's end.
    static constexpr char32_t Smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < Smallest[length] || (code >= 0xd800 && code <= 0xdfff) || code > 0x10ffff)
        return 0;
    return length;
}

} // namespace

std::string CdText::clean(const char* text)
{
    std::string out;
    if (!text)
        return out;
    std::size_t characters = 0;
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (*p && characters < MaxLength) {
        char32_t code = 0;
        std::size_t length = decode(p, code);
        if (length == 0) {
            out += "\xef\xbf\xbd";
            length = 1;
        } else if (code < 0x20 || (code >= 0x7f && code < 0xa0)) {
            p += length;
            continue;
        } else {
            out.append(reinterpret_cast<const char*>(p), length);
        }
        ++characters;
        p += length;
    }
    const std::size_t first = out.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return out.substr(first, out.find_last_not_of(' ') - first + 1);
}
