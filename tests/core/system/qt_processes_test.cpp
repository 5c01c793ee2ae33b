#include "core/system/qt_processes.h"

#include "core/store/error.h"
#include "support/catalogues.h"

#include <gtest/gtest.h>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <cstdlib>

namespace tolvane {
namespace {

TEST(QtProcessesTest, MissingProgramCannotStartAndAQuotedArgumentStaysOne) {
    QtProcesses processes;
    for (const QString line : {R"(regsvr32 "C:\Program Files\x.dll" /s)", "  "})
        EXPECT_EQ(test::failureOf([&] { processes.startHidden(line); }), err::FileNotFound)
            << line.toStdString();
    QTemporaryDir dir;
    const QString target = dir.filePath("with space.txt");
    processes.startHidden("touch \"" + target + "\"");
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
