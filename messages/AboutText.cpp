#include "messages/AboutText.h"

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
