#pragma once

#include "core/system/env.h"

namespace tolvane {

class BrowserFactory;
class Clipboard;
class MachineInfo;
class WindowGeometry;

// The system services of the window: those of the engine's side and the
// ones only a window needs. systemEnv() gives the real ones, tests build
// one of fakes. It does not own the services.
struct WindowEnv : Env {
    Clipboard* clipboard = nullptr;
    WindowGeometry* geometry = nullptr;
    BrowserFactory* browsers = nullptr;  // none: no banner page
    MachineInfo* machine = nullptr;      // none: no machine name
};

// The real services of this machine (created on first use).
WindowEnv& systemEnv();

}  // namespace tolvane
