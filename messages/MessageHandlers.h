#pragma once

class MessageBoxes;
class ProgramEnd;

/// What the About and Exit buttons do.
class MessageHandlers {
public:
    MessageHandlers(MessageBoxes& boxes, ProgramEnd& end);

    void about();
    /// The farewell box, then the end of the program.
    void exit();

private:
    MessageBoxes& m_boxes;
    ProgramEnd& m_end;
};
