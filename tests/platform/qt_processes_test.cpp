#include "platform/qt_processes.h"

#include "platform/error.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <cstdlib>

namespace tolvane {
namespace {

TEST(QtProcessesTest, MissingProgramOrEmptyLineCannotStart) {
    QtProcesses processes;
    for (const QString& line : {QString(R"(regsvr32 "C:\Program Files\x.dll" /s)"), QString("  ")}) {
        try {
            processes.startHidden(line);
            ADD_FAILURE() << "started: " << line.toStdString();
        } catch (const Error& e) {
            EXPECT_EQ(e.number(), err::FileNotFound);
        }
    }
}

TEST(QtProcessesTest, QuotedArgumentStaysOneArgument) {
    QTemporaryDir dir;
    const QString target = dir.filePath("with space.txt");
    QtProcesses().startHidden("touch \"" + target + "\"");
    QDeadlineTimer deadline(10000);
    while (!QFile::exists(target) && !deadline.hasExpired()) QThread::msleep(10);
    EXPECT_TRUE(QFile::exists(target));
    EXPECT_FALSE(QFile::exists(dir.filePath("with")));
}

// The program ends with code 0 and skips every exit handler.
TEST(QtProcessesDeathTest, EndProgramRunsNoClosingHandler) {
    QTemporaryDir dir;
    static QByteArray marker;
    marker = dir.filePath("handler-ran").toUtf8();
    EXPECT_EXIT(
        {
            std::atexit([] { QFile(QString::fromUtf8(marker)).open(QIODevice::WriteOnly); });
            QtProcesses().endProgram();
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_FALSE(QFile::exists(QString::fromUtf8(marker)));
}

}  // namespace
}  // namespace tolvane
