#pragma once

namespace tolvane {

// The program's own process.
class Processes {
public:
    virtual ~Processes() = default;
    // Ends the program at once: no further code of the program runs.
    [[noreturn]] virtual void endProgram() = 0;
};

}  // namespace tolvane
