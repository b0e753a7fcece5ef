#include "messages/AboutText.h"

// For the translators: the boxes' texts as a listener reads them, each paragraph whole. The
// address is no text to translate.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif
[[maybe_unused]] static const char* const Translated[] = {
    QT_TRANSLATE_NOOP("AboutText", "About The Spindella Program"),
    QT_TRANSLATE_NOOP("AboutText", "<<<<<See Ya !!!>>>>>"),
    QT_TRANSLATE_NOOP("AboutText",
                      "To start the circle animation, click once anywhere on the form. To enable "
                      "full screen animation, just double click on the form. To revert the "
                      "program to it's original state, simply double click again. Stay Cool."),
    QT_TRANSLATE_NOOP("AboutText",
                      "Spindella was written in 2026 by Halcyra, who owns all rights to it. "),
    QT_TRANSLATE_NOOP("AboutText", "All common and custom controls distributed with this "
                                   "program are the property of Halcyra."),
};

std::string AboutText::aboutPrompt()
{
    const std::string crlf = std::string(1, char(13)) + std::string(1, char(10));

    std::string prompt = "To start the circle animation, click once ";
    prompt += "anywhere on the form. To enable full ";
    prompt += "screen animation, just double click on ";
    prompt += "the form. To revert the program to it's ";
    prompt += "original state, simply double click again. ";
    prompt += "Stay Cool.";
    prompt += crlf + crlf;
    prompt += "Spindella was written in 2026 by Halcyra, who owns all rights to it. ";
    prompt += crlf + crlf;
    prompt += "All common and custom controls distributed with this program are the property of "
              "Halcyra.";
    prompt += crlf + crlf;
    prompt += "Halcyra, 17 Nowhere Lane " + crlf;
    prompt += "Imaginary Falls, Fictional Province " + crlf;
    prompt += "Neverland, Z9Z 9Z9 " + crlf;
    prompt += "Phone (555) 555-0142 ";
    return prompt;
}
