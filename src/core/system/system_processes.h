#pragma once

#include "core/system/processes.h"

namespace tolvane {

class SystemProcesses : public Processes {
public:
    // Ends the process with exit code 0 through std::_Exit: no destructor,
    // atexit handler or window close handler runs, and no event is
    // processed. Nothing is lost by that, since the settings are flushed as
    // they are written and the program keeps no other files open for writing.
    [[noreturn]] void endProgram() override;
};

}  // namespace tolvane
