#include "core/system/system_processes.h"

#include <cstdio>
#include <cstdlib>

namespace tolvane {

void SystemProcesses::endProgram() {
    std::fflush(nullptr);
    std::_Exit(0);
}

}  // namespace tolvane
