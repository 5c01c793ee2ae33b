#pragma once

#include <QString>

namespace tolvane {

class EngineFactory;
class SettingsStore;
class FileProbe;
class Processes;
class Dialogs;
class Clipboard;
class WindowGeometry;
class BrowserFactory;
class MachineInfo;

// The platform services the program uses, chosen in one place: systemEnv()
// gives the real ones, tests build an Env of fakes. The Env does not own the
// services.
struct Env {
    EngineFactory* engines = nullptr;
    SettingsStore* settings = nullptr;
    FileProbe* files = nullptr;
    Processes* processes = nullptr;
    Dialogs* dialogs = nullptr;
    Clipboard* clipboard = nullptr;
    WindowGeometry* geometry = nullptr;
    BrowserFactory* browsers = nullptr;
    MachineInfo* machine = nullptr;
    QString programDir;   // the folder of the executable, without a trailing separator
    QString programName;  // the executable's name without extension
};

// The real services of this machine (created on first use).
Env& systemEnv();

}  // namespace tolvane
