// Ending the program, a seam so that tests of windows that end it keep running.
#pragma once

namespace shortex {

class ProgramExit {
public:
    virtual ~ProgramExit() = default;
    // Ends the program once the current message has been handled; no window event runs after it.
    virtual void EndProgram() = 0;

protected:
    ProgramExit() = default;
    ProgramExit(const ProgramExit&) = default;
    ProgramExit& operator=(const ProgramExit&) = default;
};

}  // namespace shortex
