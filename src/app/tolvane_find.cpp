// tolvane-find: looks records up in the catalogue from the command line.
#include "cli/find_command.h"
#include "cli/find_output.h"
#include "core/system/data_folders.h"
#include "core/system/env.h"
#include "core/system/local_file_probe.h"
#include "core/system/qt_settings.h"
#include "core/system/version.h"

#include <QCoreApplication>

#include <cstdio>

#include <unistd.h>

int main(int argc, char** argv) {
    const bool outputClosed = tolvane::holdIfClosed(STDOUT_FILENO);
    tolvane::holdIfClosed(STDIN_FILENO);
    tolvane::holdIfClosed(STDERR_FILENO);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(tolvane::programVersion());
    tolvane::QtSettingsStore settings;
    tolvane::LocalFileProbe files;
    tolvane::Env env;
    env.settings = &settings;
    env.files = &files;
    env.programDir = QCoreApplication::applicationDirPath();
    tolvane::useDataFolders(env);
    tolvane::ignoreBrokenPipe();
    tolvane::StdioOutput out(stdout, outputClosed);
    const tolvane::FindResult result =
        tolvane::runFind(QCoreApplication::arguments().mid(1), env, out);
    std::fwrite(result.err.constData(), 1, static_cast<std::size_t>(result.err.size()), stderr);
    return result.status;
}
