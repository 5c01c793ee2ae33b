// A save killed at any moment leaves the record all old or all new and the
// catalogue file sound: a child process saves two versions of one record in
// turn until it is killed with SIGKILL, and the parent then looks at the file.
#include "core/store/catalogue_store.h"
#include "support/catalogues.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tolvane;

namespace {

const ColumnSet kWritten = {Column::Name,      Column::Dll,     Column::Explain,  Column::Declare,
                            Column::Parameter, Column::Recode,  Column::Returned, Column::Win95,
                            Column::WinNT,     Column::Category};
constexpr auto kOverwrite = CatalogueStore::Stored::MayHaveChanged;

// One version of the record; every text is large so that a save writes many pages.
Record version(qlonglong id, char letter, bool flags, int category) {
    Record record;
    record.set(Column::Id, id);
    for (const Column column : {Column::Name, Column::Dll, Column::Explain, Column::Declare,
                                Column::Parameter, Column::Recode, Column::Returned})
        record.set(column, QString(columnName(column)) + QString(60000, QLatin1Char(letter)));
    record.set(Column::Win95, flags ? "Yes" : "No");
    record.set(Column::WinNT, flags ? "Yes" : "No");
    record.set(Column::Category, qlonglong{category});
    return record;
}

// The record's saved columns as one text.
QStringList saved(const QString& path, qlonglong id) {
    return test::queryTexts(path, QStringLiteral("select name||libsclass||explain||declare||"
                                                 "parameter||recode||returned||win95||winnt||"
                                                 "class from winfun where ID = %1")
                                      .arg(id));
}

// Starts a child that saves a and b in turn for ever; returns once its first
// save is done (-1 when it could not start).
pid_t startSaving(const QString& path, const Record& a, const Record& b) {
    int ready[2];
    if (pipe(ready) != 0) return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        close(ready[0]);
        auto store = CatalogueStore::open(path);
        for (long i = 0; store.ok(); ++i) {
            if (!(*store)->save(a, i % 2 ? b : a, kWritten, kOverwrite).ok()) break;
            if (i == 0 && write(ready[1], "x", 1) != 1) break;
        }
        _exit(1);
    }
    close(ready[1]);
    char c;
    const bool started = pid > 0 && read(ready[0], &c, 1) == 1;
    close(ready[0]);
    return started ? pid : -1;
}

}  // namespace

TEST(InterruptedSaveTest, AKilledSaveLeavesTheRecordWholeAndTheFileSound) {
    test::CatalogueDir dir;
    const QString path = dir.make("winapi.mdb", test::dataFile("starter.sql"));
    const qlonglong id =
        test::queryColumn(path, "select ID from winfun where name = 'Sleep'").front().toLongLong();
    const QString everyOtherRow = QStringLiteral("select ID from winfun where ID <> %1").arg(id);
    const QStringList others = test::queryTexts(path, everyOtherRow);
    const Record versionA = version(id, 'A', true, 4), versionB = version(id, 'B', false, 9);
    QStringList a, b;  // the record saved in either version
    {
        auto store = test::openStore(path);
        ASSERT_TRUE(store);
        ASSERT_TRUE(store->save(versionA, versionA, kWritten, kOverwrite).ok());
        a = saved(path, id);
        ASSERT_TRUE(store->save(versionA, versionB, kWritten, kOverwrite).ok());
        b = saved(path, id);
    }
    ASSERT_NE(a, b);

    // Rounds go on until several kills have landed inside a write (the
    // rollback journal is left behind), so that the check means something.
    int killedMidWrite = 0, rounds = 0;
    for (; rounds < 60 && killedMidWrite < 5; ++rounds) {
        SCOPED_TRACE(rounds);
        const pid_t pid = startSaving(path, versionA, versionB);
        ASSERT_GT(pid, 0) << "the saving child did not start";
        usleep(QRandomGenerator::global()->bounded(1000, 30000));
        kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child ended by itself";
        if (QFileInfo(path + "-journal").size() > 0) ++killedMidWrite;

        // The next connection rolls back what was left half-done.
        const QStringList record = saved(path, id);
        EXPECT_TRUE(record == a || record == b) << "a half-written record";
        EXPECT_EQ(test::queryTexts(path, everyOtherRow), others);
        EXPECT_EQ(test::queryTexts(path, "PRAGMA integrity_check"), QStringList{"ok"});
    }
    EXPECT_GT(killedMidWrite, 0) << "no kill landed inside a write in " << rounds << " rounds";
}
