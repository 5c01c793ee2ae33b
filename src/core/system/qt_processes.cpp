#include "core/system/qt_processes.h"

#include "core/store/error.h"

#include <QProcess>
#include <QThread>

#include <cstdio>
#include <cstdlib>

namespace tolvane {

void QtProcesses::startHidden(const QString& commandLine) {
    QStringList words = QProcess::splitCommand(commandLine);
    if (words.isEmpty()) throw Error(err::FileNotFound);
    QProcess process;
    process.setProgram(words.takeFirst());
    process.setArguments(words);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (!process.startDetached()) throw Error(err::FileNotFound);
}

void QtProcesses::sleep(int milliseconds) {
    if (milliseconds > 0) QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void QtProcesses::endProgram() {
    std::fflush(nullptr);
    std::_Exit(0);
}

}  // namespace tolvane
