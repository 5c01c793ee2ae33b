// A save killed at any moment leaves the record all old or all new and the
// catalogue file sound: a child process saves two versions of one record
// in turn until it is killed with SIGKILL.
#include "editing/record_writes.h"
#include "platform/engine.h"
#include "platform/sqlite_engine.h"
#include "support/catalogues.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

const char* const kColumns[] = {"name", "libsclass", "explain", "declare", "parameter", "recode",
                                "returned"};

// A version of the record whose every text is large (so that one save
// writes many pages) and marked with the version's letter.
RecordEdit version(QChar letter, bool flags, int position) {
    RecordEdit edit;
    for (const char* column : kColumns)
        edit.texts.emplace_back(QString::fromLatin1(column),
                                QString(letter) + QString::fromLatin1(column) + QString(60000, letter));
    edit.win95 = edit.winnt = flags;
    edit.categoryPosition = position;
    return edit;
}

// Which version every column of the stored record comes from: 'A', 'B', or
// '?' when the columns disagree or match neither.
QChar storedVersion(Database& db, qlonglong id) {
    auto rs = db.openRecordset(QStringLiteral("select * from winfun where ID =%1").arg(id));
    if (rs->eof()) return u'?';
    QChar seen;
    auto agree = [&seen](QChar c) {
        if (seen.isNull()) seen = c;
        return seen == c;
    };
    for (const char* column : kColumns) {
        const QString text = rs->field(QString::fromLatin1(column)).toString();
        const QChar c = text.isEmpty() ? u'?' : text[0];
        if (text != QString(c) + QString::fromLatin1(column) + QString(60000, c) || !agree(c)) return u'?';
    }
    const bool flags = rs->field(QStringLiteral("win95")).toString() == QStringLiteral("Yes");
    const qlonglong cls = rs->field(QStringLiteral("class")).toLongLong();
    const bool consistent = seen == u'A' ? flags && cls == 4 : !flags && cls == 9;
    if (rs->field(QStringLiteral("winnt")) != rs->field(QStringLiteral("win95")) || !consistent) return u'?';
    return seen;
}

QString integrityCheck(const QString& path) {
    sqlite3* db = nullptr;
    QString result;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &st, nullptr) == SQLITE_OK) {
            while (sqlite3_step(st) == SQLITE_ROW)
                result += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
            sqlite3_finalize(st);
        }
    }
    sqlite3_close(db);
    return result;
}

// Starts a child that saves the two versions in turn for ever; returns once
// its first save is done.
pid_t startSaving(const QString& path, qlonglong id, const RecordEdit& a, const RecordEdit& b) {
    int ready[2];
    if (pipe(ready) != 0) return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        close(ready[0]);
        try {
            auto db = SqliteEngine().openDatabase(path);
            for (long i = 0;; ++i) {
                saveRecord(*db, static_cast<std::int32_t>(id), i % 2 ? b : a);
                if (i == 0 && write(ready[1], "x", 1) != 1) break;
            }
        } catch (...) {
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
    CatalogueDir dir;
    const QString path = dir.make(QStringLiteral("winapi.mdb"), dataFile(QStringLiteral("starter.sql")));
    const QString journal = path + QStringLiteral("-journal");
    qlonglong id;
    QStringList others;
    {
        auto db = SqliteEngine().openDatabase(path);
        auto rs = db->openRecordset(QStringLiteral("select ID from winfun where name ='Sleep'"));
        id = rs->field(QStringLiteral("ID")).toLongLong();
        auto rest = db->openRecordset(QStringLiteral("select * from winfun where ID <>%1").arg(id));
        for (; !rest->eof(); rest->moveNext()) others << rest->field(QStringLiteral("name")).toString();
    }
    const RecordEdit a = version(u'A', true, 5), b = version(u'B', false, 10);

    // Rounds go on until several kills have landed inside a write (the
    // rollback journal is still there), so that the check means something.
    int killedMidWrite = 0, rounds = 0;
    for (; rounds < 60 && killedMidWrite < 5; ++rounds) {
        SCOPED_TRACE(rounds);
        const pid_t pid = startSaving(path, id, a, b);
        ASSERT_GT(pid, 0) << "the saving child did not start";
        usleep(QRandomGenerator::global()->bounded(1000, 30000));
        kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child ended by itself";
        if (QFileInfo(journal).size() > 0) ++killedMidWrite;

        auto db = SqliteEngine().openDatabase(path);
        const QChar v = storedVersion(*db, id);
        EXPECT_TRUE(v == u'A' || v == u'B') << "a half-written record";
        QStringList names;
        auto rest = db->openRecordset(QStringLiteral("select * from winfun where ID <>%1").arg(id));
        for (; !rest->eof(); rest->moveNext()) names << rest->field(QStringLiteral("name")).toString();
        EXPECT_EQ(names, others);
        db->close();
        db.reset();
        EXPECT_EQ(integrityCheck(path), QStringLiteral("ok"));
    }
    RecordProperty("rounds", rounds);
    RecordProperty("killedMidWrite", killedMidWrite);
    EXPECT_GT(killedMidWrite, 0) << "no kill landed inside a write in " << rounds << " rounds";
}
