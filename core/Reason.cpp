#include "core/Reason.h"

Reason::Reason(const char* text, std::vector<Reason> parts)
    : m_text(text), m_parts(std::move(parts))
{
}

Reason Reason::verbatim(std::string words)
{
    Reason reason;
    reason.m_words = std::move(words);
    return reason;
}

std::string Reason::english() const
{
    return said([](const char* english) { return std::string(english); });
}

std::string Reason::said(const std::function<std::string(const char* english)>& translate) const
{
    if (!m_text)
        return m_words;
    const std::string text = translate(m_text);
    // Each %1 to %9 once, left to right, so that words put in are never read as placeholders.
    std::string filled;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const std::size_t part = at + 1 < text.size() ? std::size_t(text[at + 1] - '1') : 9;
        if (text[at] == '%' && part < 9 && part < m_parts.size()) {
            filled += m_parts[part].said(translate);
            ++at;
        } else {
            filled += text[at];
        }
    }
    return filled;
}
