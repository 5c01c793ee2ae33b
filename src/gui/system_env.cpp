// The one place that chooses the real platform services.
#include "core/system/env.h"

#include "core/store/sqlite_engine.h"
#include "core/system/host_machine.h"
#include "core/system/local_file_probe.h"
#include "core/system/qt_processes.h"
#include "core/system/qt_settings.h"
#include "gui/qt_clipboard.h"
#include "gui/qt_dialogs.h"
#include "gui/qt_window_geometry.h"
#include "gui/text_browser.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tolvane {

Env& systemEnv() {
    static SqliteEngineFactory engines;
    static QtSettingsStore settings;
    static LocalFileProbe files;
    static QtProcesses processes;
    static QtDialogs dialogs;
    static QtClipboard clipboard;
    static QtWindowGeometry geometry;
    static TextBrowserFactory browsers;
    static HostMachineInfo machine;
    static Env env = [] {
        Env e;
        e.engines = &engines;
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
        return e;
    }();
    return env;
}

}  // namespace tolvane
