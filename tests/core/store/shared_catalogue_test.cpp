// One catalogue file, several programs: two stores on one file, a lock held
// by another connection, and writers racing a reader. Each case checks what
// the file holds afterwards and what each side was told.
#include "core/store/catalogue_store.h"
#include "support/catalogues.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace tolvane;
using namespace std::chrono_literals;
using tolvane::test::CatalogueDir;
using tolvane::test::LockHolder;
using tolvane::test::queryTexts;
using tolvane::test::runSql;

namespace {

constexpr auto kOverwrite = CatalogueStore::Stored::MayHaveChanged;

std::unique_ptr<CatalogueStore> open(const QString& path, std::chrono::milliseconds wait = 5000ms) {
    return test::openStore(path, {.lockWait = wait});
}

Record with(Record record, Column column, const QString& text) {
    record.set(column, text);
    return record;
}

}  // namespace

// Two windows on the same record: the second save is told of the first and
// writes only on the user's word; deletes compare the same way; a row gone
// or sharing its ID is written nowhere.
TEST(SharedCatalogueTest, SavesAndDeletesCompareWithWhatWasShown) {
    CatalogueDir dir;
    const QString path =
        dir.makeFrom("winapi.mdb",
                     "CREATE TABLE winfun (ID, name TEXT, explain TEXT);"
                     "INSERT INTO winfun (ID, name, explain) VALUES (1, 'One', 'first'),"
                     "(2, 'Two', NULL), (7, 'Seven', 'a'), (7, 'Seven again', 'b');");
    auto a = open(path), b = open(path);
    ASSERT_TRUE(a && b);
    const Record shownA = *a->record(1), shownB = *b->record(1);

    // A changes the text and saves; B changes the name and is told.
    ASSERT_TRUE(a->save(shownA, with(shownA, Column::Explain, "by A"), {Column::Explain}).ok());
    const Record editedB = with(shownB, Column::Name, "Uno");
    const Status conflict = b->save(shownB, editedB, {Column::Name});
    EXPECT_EQ(conflict.code(), StatusCode::RecordChanged);
    EXPECT_EQ(conflict.message(), QStringLiteral("此记录在显示之后已被其他程序修改。"));
    EXPECT_EQ(queryTexts(path, "select name || '|' || explain from winfun where ID = 1"),
              QStringList{"One|by A"});
    EXPECT_EQ(b->remove(shownB).code(), StatusCode::RecordChanged);
    // Overwriting writes what B has on screen; saving the reloaded record
    // writes only B's change and keeps A's text.
    ASSERT_TRUE(b->save(shownB, editedB, {Column::Name, Column::Explain}, kOverwrite).ok());
    EXPECT_EQ(queryTexts(path, "select name || '|' || explain from winfun where ID = 1"),
              QStringList{"Uno|first"});
    const Record reloaded = *b->record(1);
    ASSERT_TRUE(
        a->save(*a->record(1), with(reloaded, Column::Explain, "by A again"), {Column::Explain})
            .ok());
    ASSERT_TRUE(
        b->save(*b->record(1), with(*b->record(1), Column::Name, "Eins"), {Column::Name}).ok());
    EXPECT_EQ(queryTexts(path, "select name || '|' || explain from winfun where ID = 1"),
              QStringList{"Eins|by A again"});

    // A row deleted by another program is told as deleted, and writes nothing.
    const Record two = *b->record(2);
    ASSERT_TRUE(a->remove(*a->record(2)).ok());
    EXPECT_EQ(b->save(two, with(two, Column::Name, "Zwei"), {Column::Name}).code(),
              StatusCode::RecordGone);
    EXPECT_EQ(b->remove(two).code(), StatusCode::RecordGone);

    // Rows sharing an ID each show themselves, and neither is written.
    const QStringList sevens = queryTexts(path, "select rowid from winfun where ID = 7");
    ASSERT_EQ(sevens.size(), 2);
    const Result<Record> second =
        a->record(FoundRow{.name = {}, .id = 7, .rowid = sevens[1].toLongLong()});
    ASSERT_TRUE(second.ok());
    EXPECT_EQ(second->text(Column::Name), QStringLiteral("Seven again"));
    EXPECT_EQ(a->save(*second, with(*second, Column::Name, "x"), {Column::Name}).code(),
              StatusCode::DuplicateId);
    EXPECT_EQ(a->remove(*second).code(), StatusCode::DuplicateId);
    EXPECT_EQ(queryTexts(path, "select name from winfun where ID = 7 order by rowid"),
              QStringList({"Seven", "Seven again"}));
}

// A lock held by another connection is waited for; one that outlasts the
// wait is told in words. (Esc ending a wait is checked in the window.)
TEST(SharedCatalogueTest, LocksAreWaitedForBriefly) {
    CatalogueDir dir;
    const QString path = dir.make("winapi.mdb", "INSERT INTO winfun (ID, name) VALUES (1, 'One');");
    auto store = open(path, 300ms);
    ASSERT_TRUE(store);
    const Record shown = *store->record(1);
    const Record edited = with(shown, Column::Name, "Uno");
    {
        LockHolder holder(path);
        QElapsedTimer timer;
        timer.start();
        const Status saved = store->save(shown, edited, {Column::Name});
        EXPECT_GE(timer.elapsed(), 250);
        EXPECT_EQ(saved.code(), StatusCode::Locked);
        EXPECT_EQ(saved.message(), QStringLiteral("目录文件正被其他程序写入，请稍后再试。"));
        EXPECT_EQ(store->record(1).status().code(), StatusCode::Locked);  // reads wait too
    }
    // A lock let go during the wait: the save goes through.
    auto patient = open(path);
    std::thread release;
    {
        auto holder = std::make_unique<LockHolder>(path);
        release = std::thread([&] {
            std::this_thread::sleep_for(200ms);
            holder->release();
        });
        EXPECT_TRUE(patient->save(*patient->record(1), edited, {Column::Name}).ok());
        release.join();
    }
    EXPECT_EQ(queryTexts(path, "select name from winfun"), QStringList{"Uno"});
}

// Two writers append their marks to the same few records while a reader
// walks the catalogue: every save told as done is in the file, the others
// were told as conflicts or locks, and the file stays sound. Each writer makes
// a fixed number of saves; the stores are opened before the race, so that
// opening never meets the short lock wait the writers save with.
TEST(SharedCatalogueTest, RacingWritersLoseNoSaveUnreported) {
    CatalogueDir dir;
    const QString path = dir.make("winapi.mdb",
                                  "INSERT INTO winfun (ID, name, explain) VALUES "
                                  "(1, 'A', ';'), (2, 'B', ';'), (3, 'C', ';');");
    constexpr int kSaves = 60;
    struct Tally {
        int attempted = 0, conflicts = 0, locked = 0;
        QStringList saved;  // the marks of the saves told as done
    };
    auto storeA = open(path, 200ms), storeB = open(path, 200ms);
    auto reader = test::openStore(path, {.readOnly = true});
    ASSERT_TRUE(storeA && storeB && reader);
    std::atomic<int> writing{2};
    const auto writer = [&](char who, CatalogueStore& store, Tally& tally) {
        // A read told as locked is tried again, within a bound.
        for (int i = 0; tally.attempted < kSaves && i < 20 * kSaves; ++i) {
            const Result<Record> shown = store.record(i % 2 + 1);
            if (!shown.ok()) {
                if (shown.status().code() != StatusCode::Locked)
                    ADD_FAILURE() << shown.status().message().toStdString();
                continue;
            }
            std::this_thread::sleep_for(1ms);  // the user types
            const QString mark = QStringLiteral("%1%2;").arg(who).arg(i);
            ++tally.attempted;
            const Status saved = store.save(
                *shown, with(*shown, Column::Explain, shown->text(Column::Explain) + mark),
                {Column::Explain});
            if (saved.ok())
                tally.saved << mark;
            else if (saved.code() == StatusCode::RecordChanged)
                ++tally.conflicts;
            else if (saved.code() == StatusCode::Locked)
                ++tally.locked;
            else
                ADD_FAILURE() << saved.message().toStdString();
        }
        --writing;
    };
    Tally first, second;
    int walks = 0;
    std::thread one(writer, 'a', std::ref(*storeA), std::ref(first)),
        two(writer, 'b', std::ref(*storeB), std::ref(second));
    for (; writing > 0 || walks == 0; ++walks) {
        SearchParts parts = reader->search({.pattern = "*", .category = {}, .dll = {}});
        Result<bool> more = true;
        while (more.ok() && *more) more = parts.next(2, [](const FoundRow&) { return true; });
        EXPECT_TRUE(more.ok() || more.status().code() == StatusCode::Locked);
    }
    one.join();
    two.join();
    const QString all = queryTexts(path, "select group_concat(explain, '') from winfun").join("");
    int lost = 0;
    for (const Tally* tally : {&first, &second})
        for (const QString& mark : tally->saved) lost += all.contains(u';' + mark) ? 0 : 1;
    EXPECT_EQ(lost, 0) << "of " << first.saved.size() + second.saved.size() << " saves told done";
    EXPECT_EQ(first.attempted + second.attempted, 2 * kSaves)
        << first.conflicts + second.conflicts << " conflicts, " << first.locked + second.locked
        << " locks told";
    EXPECT_FALSE(first.saved.isEmpty() || second.saved.isEmpty());
    EXPECT_EQ(queryTexts(path, "PRAGMA integrity_check"), QStringList{"ok"});
}

// A big value read in part: the record holds its start, cut at a character,
// and its size; a save of other columns leaves it as stored; the whole
// value is read from the same row only while it is the one shown; another
// program's change to it is still noticed, and overwriting never writes
// the start alone; an edited start is saved before the stored rest.
TEST(SharedCatalogueTest, BigValuesReadInPartAreNeverCutOrMissedAsChanged) {
    CatalogueDir dir;
    // 700 000 "é" (1.4 MB as UTF-8) and a small value after it in the row.
    const QString path = dir.makeFrom(
        "winapi.mdb",
        "CREATE TABLE winfun (ID, name TEXT, explain TEXT, declare TEXT, other BLOB);"
        "INSERT INTO winfun VALUES (1, 'One', replace(hex(zeroblob(700000)), '00', 'é'), "
        "'Declare One', zeroblob(3000000)), (2, 'Two', 'small', NULL, x'01');");
    auto a = open(path), b = open(path);
    ASSERT_TRUE(a && b);
    a->readInPart(1'000'001);
    const Record shown = *a->record(1);
    EXPECT_EQ(shown.partColumns(), (ColumnSet{Column::Explain, Column::Other}));
    EXPECT_EQ(shown.partBytes(Column::Explain), 1'400'000);
    EXPECT_EQ(shown.text(Column::Explain), QString(500'000, QChar(0xE9)));
    EXPECT_EQ(shown.value(Column::Other).toByteArray(), QByteArray(1'000'001, '\0'));
    EXPECT_EQ(shown.text(Column::Declare), "Declare One");
    EXPECT_EQ(a->record(2)->partColumns(), ColumnSet());

    ASSERT_TRUE(a->save(shown, with(shown, Column::Name, "Uno"), {Column::Name}).ok());
    const Record saved = *a->record(1);
    EXPECT_EQ(queryTexts(path,
                         "select length(explain) || ' ' || length(other) || ' ' || "
                         "(explain = replace(hex(zeroblob(700000)), '00', 'é')) "
                         "from winfun where ID = 1"),
              QStringList{"700000 3000000 1"});
    const Result<QVariant> whole = a->wholeValue(saved, Column::Explain);
    ASSERT_TRUE(whole.ok());
    EXPECT_EQ(whole->toString(), QString(700'000, QChar(0xE9)));

    // Another program appends to the text: noticed on save and on reading it.
    runSql(path, "UPDATE winfun SET explain = explain || '!' WHERE ID = 1");
    EXPECT_EQ(a->save(saved, with(saved, Column::Name, "Eins"), {Column::Name}).code(),
              StatusCode::RecordChanged);
    EXPECT_EQ(a->wholeValue(saved, Column::Explain).status().code(), StatusCode::RecordChanged);
    // Overwriting writes the name, not the start of the text.
    ASSERT_TRUE(a->save(saved, with(saved, Column::Name, "Eins"), {Column::Name, Column::Explain},
                        kOverwrite)
                    .ok());
    EXPECT_EQ(queryTexts(path, "select name || ' ' || length(explain) from winfun where ID = 1"),
              QStringList{"Eins 700001"});

    // An edited start goes before the stored rest, unread: of a text cut at
    // a character, and of a blob, which becomes text.
    const Record now = *a->record(1);
    Record edited = now;
    edited.setEditedStart(Column::Explain, "A");
    edited.setEditedStart(Column::Other, "B");
    ASSERT_TRUE(a->save(now, edited, {Column::Explain, Column::Other}).ok());
    EXPECT_EQ(queryTexts(path,
                         "select (explain = 'A' || replace(hex(zeroblob(200000)), '00', 'é') || "
                         "'!') || ' ' || typeof(other) || length(CAST(other AS BLOB)) "
                         "from winfun where ID = 1"),
              QStringList{"1 text2000000"});
}
