// A save killed at any moment leaves the record all old or all new and the
// catalogue file sound: a child process saves two versions of one record in
// turn until it is killed with SIGKILL, and the parent then looks at the file.
#include "core/store/engine.h"
#include "core/store/sqlite_engine.h"
#include "gui/record_writes.h"
#include "support/catalogues.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tolvane;

namespace {

// One version of the record; every text is large so that a save writes many pages.
RecordEdit version(char letter, bool flags, int position) {
    RecordEdit edit{{}, flags, flags, position};
    for (const char* column :
         {"name", "libsclass", "explain", "declare", "parameter", "recode", "returned"})
        edit.texts.emplace_back(column, QString(column) + QString(60000, QLatin1Char(letter)));
    return edit;
}

// The record's saved columns as one text.
QStringList saved(Database& db, qlonglong id) {
    return test::columnOf(
        db,
        QStringLiteral("select name||libsclass||explain||declare||parameter||recode||"
                       "returned||win95||winnt||class as v from winfun where ID =%1")
            .arg(id),
        "v");
}

// Starts a child that saves a and b in turn for ever; returns once its first
// save is done (-1 when it could not start).
pid_t startSaving(const QString& path, qlonglong id, const RecordEdit& a, const RecordEdit& b) {
    int ready[2];
    if (pipe(ready) != 0) return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        close(ready[0]);
        try {
            auto db = SqliteEngine().openDatabase(path);
            for (long i = 0;; ++i) {
                saveRecord(*db, static_cast<std::int64_t>(id), i % 2 ? b : a);
                if (i == 0 && write(ready[1], "x", 1) != 1) break;
            }
        } catch (...) {}
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
    qlonglong id;
    QString everyOtherRow;
    QStringList others, a, b;  // the other rows' IDs, the record saved in either version
    const RecordEdit versionA = version('A', true, 5), versionB = version('B', false, 10);
    {
        auto db = SqliteEngine().openDatabase(path);
        id = db->openRecordset("select ID from winfun where name ='Sleep'")
                 ->field("ID")
                 .toLongLong();
        everyOtherRow = QStringLiteral("select ID from winfun where ID <>%1").arg(id);
        others = test::columnOf(*db, everyOtherRow, "ID");
        saveRecord(*db, static_cast<std::int64_t>(id), versionA);
        a = saved(*db, id);
        saveRecord(*db, static_cast<std::int64_t>(id), versionB);
        b = saved(*db, id);
    }
    ASSERT_NE(a, b);

    // Rounds go on until several kills have landed inside a write (the
    // rollback journal is left behind), so that the check means something.
    int killedMidWrite = 0, rounds = 0;
    for (; rounds < 60 && killedMidWrite < 5; ++rounds) {
        SCOPED_TRACE(rounds);
        const pid_t pid = startSaving(path, id, versionA, versionB);
        ASSERT_GT(pid, 0) << "the saving child did not start";
        usleep(QRandomGenerator::global()->bounded(1000, 30000));
        kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child ended by itself";
        if (QFileInfo(path + "-journal").size() > 0) ++killedMidWrite;

        auto db = SqliteEngine().openDatabase(path);  // rolls back what was left half-done
        const QStringList record = saved(*db, id);
        EXPECT_TRUE(record == a || record == b) << "a half-written record";
        EXPECT_EQ(test::columnOf(*db, everyOtherRow, "ID"), others);
        EXPECT_EQ(test::columnOf(*db, "PRAGMA integrity_check", "integrity_check"),
                  QStringList{"ok"});
    }
    EXPECT_GT(killedMidWrite, 0) << "no kill landed inside a write in " << rounds << " rounds";
}
