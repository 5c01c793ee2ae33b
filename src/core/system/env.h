#pragma once

#include <QString>
#include <QStringList>

namespace tolvane {

class Dialogs;
class FileProbe;
class Processes;
class SettingsStore;

// The system services that locating and opening the catalogue use, chosen
// in one place: the window's systemEnv() gives the real ones, tests fakes.
// The Env does not own the services.
struct Env {
    SettingsStore* settings = nullptr;
    FileProbe* files = nullptr;
    Processes* processes = nullptr;
    Dialogs* dialogs = nullptr;
    QString programDir;   // the folder of the executable, without a trailing separator
    QString programName;  // the executable's name without extension
    // The data folders, where an installed catalogue lies: the user's own
    // ($XDG_DATA_HOME, by default ~/.local/share) and the system's
    // ($XDG_DATA_DIRS, by default /usr/local/share and /usr/share). Empty:
    // none is looked at.
    QString userDataDir;
    QStringList dataDirs;
};

}  // namespace tolvane
