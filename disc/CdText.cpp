#include "disc/CdText.h"

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

bool CdText::isUtf8(std::string_view text)
{
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        char32_t code = 0;
        // A sequence cut off by the end is read up to a zero it cannot contain.
        const std::size_t rest = std::size_t(end - p);
        unsigned char sequence[4] = {};
        for (std::size_t n = 0; n < 4 && n < rest; ++n)
            sequence[n] = p[n];
        const std::size_t length = decode(sequence, code);
        if (length == 0)
            return false;
        p += length;
    }
    return true;
}

std::string CdText::fromWindows1252(std::string_view text)
{
    // 0x80 to 0x9F; the five unassigned bytes become U+FFFD.
    static constexpr char16_t High[32] = {
        0x20ac, 0xfffd, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160,
        0x2039, 0x0152, 0xfffd, 0x017d, 0xfffd, 0xfffd, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022,
        0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0xfffd, 0x017e, 0x0178};
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const char32_t code = byte >= 0x80 && byte < 0xa0 ? High[byte - 0x80] : byte;
        if (code < 0x80) {
            out += char(code);
        } else if (code < 0x800) {
            out += char(0xc0 | code >> 6);
            out += char(0x80 | (code & 0x3f));
        } else {
            out += char(0xe0 | code >> 12);
            out += char(0x80 | (code >> 6 & 0x3f));
            out += char(0x80 | (code & 0x3f));
        }
    }
    return out;
}
