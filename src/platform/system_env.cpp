// The one place that chooses the real platform services.
#include "platform/env.h"

#include "platform/host_machine.h"
#include "platform/local_file_probe.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_dialogs.h"
#include "platform/qt_processes.h"
#include "platform/qt_settings.h"
#include "platform/qt_window_geometry.h"
#include "platform/sqlite_engine.h"
#include "platform/text_browser.h"

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
