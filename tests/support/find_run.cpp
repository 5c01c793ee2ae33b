#include "support/find_run.h"

#include <gtest/gtest.h>
#include <QProcess>
#include <QTemporaryDir>

namespace tolvane::test {

FindRun runFind(const QStringList& arguments, const QString& configHome, const QString& workDir,
                const QStringList& environment, const QString& program) {
    QTemporaryDir empty;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    variables.insert(QStringLiteral("XDG_CONFIG_HOME"),
                     configHome.isEmpty() ? empty.path() : configHome);
    variables.insert(QStringLiteral("XDG_DATA_HOME"), empty.path());
    variables.insert(QStringLiteral("XDG_DATA_DIRS"), empty.path());
    for (const QString& setting : environment)
        variables.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    QProcess process;
    process.setProcessEnvironment(variables);
    if (!workDir.isEmpty()) process.setWorkingDirectory(workDir);
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << "tolvane-find did not end normally: " << arguments.join(' ').toStdString();
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

}  // namespace tolvane::test
