#pragma once

#include <functional>
#include <string>

class MessageBoxes;
class ProgramEnd;

/// What the About and Exit buttons do.
class MessageHandlers {
public:
    /// A text in the listener's language, from the English.
    using Translate = std::function<std::string(const std::string& english)>;

    /// Without a translation the texts are shown as they are written.
    MessageHandlers(MessageBoxes& boxes, ProgramEnd& end, Translate translate = {});

    void about();
    /// The farewell box, then the end of the program.
    void exit();

private:
    std::string translated(const std::string& english) const;

    MessageBoxes& m_boxes;
    ProgramEnd& m_end;
    Translate m_translate;
};
