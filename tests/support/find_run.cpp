#include "support/find_run.h"

#include <gtest/gtest.h>
#include <QProcess>
#include <QTemporaryDir>

namespace tolvane::test {

FindRun runFind(const QStringList& arguments, const QString& configHome, const QString& workDir) {
    QTemporaryDir emptyConfig;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       configHome.isEmpty() ? emptyConfig.path() : configHome);
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!workDir.isEmpty()) process.setWorkingDirectory(workDir);
    process.start(QStringLiteral(TOLVANE_FIND), arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << "tolvane-find did not end normally: " << arguments.join(' ').toStdString();
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

}  // namespace tolvane::test
