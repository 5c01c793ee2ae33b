// The one place that chooses the real system services.
#include "core/system/data_folders.h"
#include "core/system/host_machine.h"
#include "core/system/local_file_probe.h"
#include "core/system/qt_settings.h"
#include "core/system/system_processes.h"
#include "gui/qt_clipboard.h"
#include "gui/qt_dialogs.h"
#include "gui/qt_window_geometry.h"
#include "gui/text_browser.h"
#include "gui/window_env.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tolvane {

WindowEnv& systemEnv() {
    static QtSettingsStore settings;
    static LocalFileProbe files;
    static SystemProcesses processes;
    static QtDialogs dialogs;
    static QtClipboard clipboard;
    static QtWindowGeometry geometry;
    static TextBrowserFactory browsers;
    static HostMachineInfo machine;
    static WindowEnv env = [] {
        WindowEnv e;
        e.settings = &settings;
        e.files = &files;
        e.processes = &processes;
        e.dialogs = &dialogs;
        e.clipboard = &clipboard;
        e.geometry = &geometry;
        e.browsers = &browsers;
        e.machine = &machine;
        e.programDir = QCoreApplication::applicationDirPath();
        e.programName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
        useDataFolders(e);
        return e;
    }();
    return env;
}

}  // namespace tolvane
