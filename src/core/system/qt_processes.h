#pragma once

#include "core/system/processes.h"

namespace tolvane {

// Starts programs detached from this one, with no window and with their
// input and output tied to the null device.
class QtProcesses : public Processes {
public:
    // The command line is split into program and arguments the way a shell
    // would for plain words and double quotes ("a b" is one argument, """
    // a literal quote; backslashes are kept as they are). Throws Error 53
    // when the line is empty or the program cannot be started.
    void startHidden(const QString& commandLine) override;
    // Blocks the calling thread.
    void sleep(int milliseconds) override;
    // Ends the process with exit code 0 through std::_Exit: no destructor,
    // atexit handler or window close handler runs, and no event is
    // processed. Nothing is lost by that, since the settings are flushed as
    // they are written and the program keeps no other files open for writing.
    [[noreturn]] void endProgram() override;
};

}  // namespace tolvane
