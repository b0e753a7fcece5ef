#pragma once

/// Ends the program at once: no further event reaches it and nothing is saved.
class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    virtual void endProgram() = 0;
};
