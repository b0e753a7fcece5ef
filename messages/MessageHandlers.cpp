#include "messages/MessageHandlers.h"

#include "core/MessageBoxes.h"
#include "core/ProgramEnd.h"
#include "messages/AboutText.h"

#include <algorithm>

MessageHandlers::MessageHandlers(MessageBoxes& boxes, ProgramEnd& end, Translate translate)
    : m_boxes(boxes), m_end(end), m_translate(std::move(translate))
{
}

std::string MessageHandlers::translated(const std::string& english) const
{
    return m_translate ? m_translate(english) : english;
}

void MessageHandlers::about()
{
    // Paragraph by paragraph, as the translators have them.
    const std::string paragraphBreak = "\r\n\r\n";
    const std::string english = AboutText::aboutPrompt();
    std::string prompt;
    for (std::size_t at = 0; at <= english.size();) {
        const std::size_t end = std::min(english.find(paragraphBreak, at), english.size());
        if (!prompt.empty())
            prompt += paragraphBreak;
        prompt += translated(english.substr(at, end - at));
        at = end + paragraphBreak.size();
    }
    m_boxes.showMessage(prompt, MessageBoxes::Information, translated(AboutText::AboutTitle));
}

void MessageHandlers::exit()
{
    m_boxes.showMessage(translated(AboutText::Farewell), MessageBoxes::NoIcon, std::nullopt);
    m_end.endProgram();
}
