#include "discsave/PlainText.h"

namespace {

/// The length of the well-formed UTF-8 character at the start of `text`, or 0.
std::size_t characterLength(std::string_view text, char32_t& code)
{
    const auto byte = [&](std::size_t n) {
        return static_cast<unsigned char>(text[n]);
    };
    const std::size_t length = byte(0) < 0x80    ? 1
                               : byte(0) >= 0xf8 ? 0
                               : byte(0) >= 0xf0 ? 4
                               : byte(0) >= 0xe0 ? 3
                               : byte(0) >= 0xc2 ? 2
                                                 : 0;
    if (length == 0 || length > text.size())
        return 0;
    code = length == 1 ? byte(0) : byte(0) & (0x7f >> length);
    for (std::size_t n = 1; n < length; ++n) {
        if ((byte(n) & 0xc0) != 0x80)
            return 0;
        code = code << 6 | (byte(n) & 0x3f);
    }
    // Over-long forms, surrogates and code points past Unicode's end.
    static constexpr char32_t Smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < Smallest[length] || (code >= 0xd800 && code <= 0xdfff) || code > 0x10ffff)
        return 0;
    return length;
}

std::string trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

} // namespace

std::string PlainText::oneLine(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        char32_t code = 0;
        std::size_t length = characterLength(text, code);
        if (length == 0) {
            out += "\xef\xbf\xbd";
            length = 1;
        } else if (code < 0x20 || (code >= 0x7f && code < 0xa0)) {
            out += ' ';
        } else {
            out.append(text.substr(0, length));
        }
        text.remove_prefix(length);
    }
    return trimmed(out);
}

std::string PlainText::cut(std::string_view text, std::size_t maxBytes)
{
    if (text.size() > maxBytes) {
        std::size_t end = maxBytes;
        // Back to the first byte of the character that would be split.
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xc0) == 0x80)
            --end;
        text = text.substr(0, end);
    }
    return trimmed(text);
}

std::string PlainText::curlyQuotes(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t n = 0; n < text.size(); ++n) {
        if (text[n] != '"') {
            out += text[n];
            continue;
        }
        const bool opening = n == 0 || text[n - 1] == ' ' || text[n - 1] == '(' ||
                             text[n - 1] == '[' || text[n - 1] == '{';
        out += opening ? "\u201c" : "\u201d";
    }
    return out;
}
