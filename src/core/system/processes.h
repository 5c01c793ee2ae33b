#pragma once

#include <QString>

namespace tolvane {

class Processes {
public:
    virtual ~Processes() = default;
    // Starts a command line as a hidden process without waiting for it;
    // throws Error 53 when it cannot be started.
    virtual void startHidden(const QString& commandLine) = 0;
    virtual void sleep(int milliseconds) = 0;
    // Ends the program at once: no further code of the program runs.
    [[noreturn]] virtual void endProgram() = 0;
};

}  // namespace tolvane
