// The store on files of every shape: searches walk every row once, in ID
// order, whatever the IDs hold; records, saves and the statements they
// prepare.
#include "core/store/catalogue_store.h"
#include "support/catalogues.h"

#include <gtest/gtest.h>

using namespace tolvane;
using tolvane::test::CatalogueDir;
using tolvane::test::openStore;
using tolvane::test::queryColumn;

namespace {

// The names a search lists walking parts of `ids` IDs, and the rows left out.
QStringList walk(CatalogueStore& store, qint64 ids, const SearchRequest& request = {},
                 qint64* skipped = nullptr) {
    QStringList names;
    SearchParts parts = store.search(request);
    for (int turns = 0;; ++turns) {
        if (turns > 100) {
            ADD_FAILURE() << "the walk does not end";
            break;
        }
        const Result<bool> more = parts.next(ids, [&](const FoundRow& row) {
            if (row.id)
                names << QString::fromUtf8(row.name);
            else if (skipped)
                ++*skipped;
            return true;
        });
        EXPECT_TRUE(more.ok()) << more.status().message().toStdString();
        if (!more.ok() || !*more) break;
    }
    return names;
}

}  // namespace

// Whatever the IDs hold (texts, reals, blobs, the 64-bit ends, infinity, a
// zero character, duplicates), every row with an ID is walked once, in the
// store's order, and the rows whose ID is Null come last.
TEST(SearchPartsTest, EveryRowIsWalkedOnceInTheStoresIdOrder) {
    CatalogueDir dir;
    auto textKeys =
        openStore(dir.makeFrom("text.mdb",
                               "CREATE TABLE winfun (ID TEXT PRIMARY KEY, name TEXT);"
                               "INSERT INTO winfun VALUES ('abc', 'a'), ('10', 'b'), ('9', "
                               "'c'), (5, 'd'), ('Abc', 'e');"));
    for (const qint64 ids : {1, 2, 10}) {
        qint64 skipped = 0;
        EXPECT_EQ(walk(*textKeys, ids, {}, &skipped), QStringList({"b", "d", "c"})) << ids;
        EXPECT_EQ(skipped, 2);  // "abc" and "Abc" are no whole numbers
    }
    const QString mixedRows =
        "INSERT INTO winfun VALUES (3, 'three'), (1.5, 'half'), ('abc', 'text'), (X'00', 'blob'),"
        "(NULL, 'null'), (1, 'one'), (3, 'three again'), (9223372036854775807, 'max'),"
        "(-9223372036854775808, 'min'), ('x' || char(0) || 'y', 'zero'), (1e300, 'huge'),"
        "(9e999, 'infinite'), ('7', 'seven');";
    auto mixed = openStore(dir.makeFrom(
        "mixed.mdb",
        "CREATE TABLE winfun (ID, name TEXT); CREATE INDEX byId ON winfun (ID);" + mixedRows));
    // Without an index on ID the same rows come in the same order.
    auto unindexed = openStore(
        dir.makeFrom("unindexed.mdb", "CREATE TABLE winfun (ID, name TEXT);" + mixedRows));
    const QStringList order = {"min", "one", "three", "three again", "max", "seven"};
    for (const qint64 ids : {1, 2, 3, 100}) {
        EXPECT_EQ(walk(*mixed, ids), order) << ids;
        EXPECT_EQ(walk(*unindexed, ids), order) << ids;
    }
    // Stepping record by record reaches every row with an ID once, in the
    // same order both ways, also those the list leaves out.
    const QStringList steps = {"min",  "one",      "half",  "three", "three again", "max",
                               "huge", "infinite", "seven", "text",  "zero",        "blob"};
    for (CatalogueStore* store : {mixed.get(), unindexed.get()}) {
        QStringList forward, backward;
        for (Result<Record> r = store->first(); r.ok() && forward.size() < 20; r = store->after(*r))
            forward << r->text(Column::Name);
        for (Result<Record> r = store->last(); r.ok() && backward.size() < 20;
             r = store->before(*r))
            backward.prepend(r->text(Column::Name));
        EXPECT_EQ(forward, steps);
        EXPECT_EQ(backward, steps);
    }
    SearchRequest nulls;
    nulls.pattern = QStringLiteral("null");
    qint64 skipped = 0;
    EXPECT_TRUE(walk(*mixed, 2, nulls, &skipped).isEmpty());
    EXPECT_EQ(skipped, 1);  // the one row with a Null ID, walked last
}

// Records by ID; a save writes the columns it is given in one statement,
// prepared once for every save of the same columns.
TEST(CatalogueStoreTest, RecordsSavesAndTheirStatements) {
    CatalogueDir dir;
    const QString path = dir.make(
        "starter.mdb",
        "INSERT INTO winfun (ID, name, class, win95) VALUES (5, 'Five', 3, 'yes'), (9, 'Nine', "
        "NULL, NULL), (4294967301, 'Big', 1, 'Yes');");
    auto store = openStore(path);
    ASSERT_TRUE(store);
    EXPECT_EQ(store->record(6).status().code(), StatusCode::RecordGone);
    const Record nine = *store->record(9);
    EXPECT_FALSE(nine.value(Column::Category).isValid());

    Record edited = nine;
    edited.set(Column::Name, QStringLiteral("it's \"Nine\"'); delete from winfun; --"));
    edited.set(Column::Category, qlonglong{-1});
    edited.set(Column::Explain, QStringLiteral("not written"));
    const int prepared = store->statementsPrepared();
    ASSERT_TRUE(store->save(nine, edited, {Column::Name, Column::Category}).ok());
    const int firstSave = store->statementsPrepared() - prepared;
    const Record saved = *store->record(9);
    ASSERT_TRUE(store->save(saved, edited, {Column::Name, Column::Category}).ok());
    EXPECT_EQ(store->statementsPrepared() - prepared, firstSave);  // reused
    EXPECT_EQ(queryColumn(path, "select name from winfun where ID = 9").front(),
              edited.value(Column::Name));
    EXPECT_EQ(queryColumn(path, "select class from winfun where ID = 9").front(), qlonglong{-1});
    EXPECT_FALSE(queryColumn(path, "select explain from winfun where ID = 9").front().isValid());
    EXPECT_EQ(queryColumn(path, "select count(*) from winfun").front(), qlonglong{3});

    ASSERT_TRUE(store->remove(saved).ok());
    EXPECT_EQ(store->save(saved, edited, {Column::Name}).code(), StatusCode::RecordGone);
    EXPECT_EQ(store->remove(saved).code(), StatusCode::RecordGone);
    EXPECT_EQ(store->save(Record(), Record(), {Column::Name}).code(), StatusCode::SyntaxError);
    const Result<Record> added = store->add();
    ASSERT_TRUE(added.ok());
    EXPECT_GT(*added->id(), 4294967301);  // a fresh ID, never reused

    // A catalogue with only some columns: the full text searches those it
    // has, and a save writes them; a change to one it lacks is refused by name.
    auto few = openStore(dir.makeFrom("few.mdb",
                                      "CREATE TABLE winfun (ID INTEGER PRIMARY KEY, name, "
                                      "declare); INSERT INTO winfun VALUES (1, 'a', 'x HWND');"));
    SearchRequest fullText;
    fullText.pattern = QStringLiteral("hwnd");
    fullText.fullText = true;
    EXPECT_EQ(walk(*few, 10, fullText), QStringList{"a"});
    const Record one = *few->record(1);
    Record renamed = one;
    renamed.set(Column::Name, QStringLiteral("b"));
    EXPECT_TRUE(few->save(one, renamed, {Column::Name}).ok());
    renamed.set(Column::Explain, QStringLiteral("typed"));
    const Status refused = few->save(*few->record(1), renamed, {Column::Name, Column::Explain});
    EXPECT_EQ(refused.code(), StatusCode::UnknownColumn);
    EXPECT_TRUE(refused.message().contains("explain")) << refused.message().toStdString();
}

// A change refused by the file's own rules says which rule: a field the
// table needs, the text a trigger raised, or IDs that are used up.
TEST(CatalogueStoreTest, RefusalsByTheFilesOwnRulesSayWhatHappened) {
    CatalogueDir dir;
    auto keyed = openStore(
        dir.makeFrom("keyed.mdb",
                     "CREATE TABLE winfun (ID INTEGER, name TEXT PRIMARY KEY) WITHOUT ROWID;"
                     "INSERT INTO winfun VALUES (1, 'a');"));
    ASSERT_TRUE(keyed);
    const Record one = *keyed->record(1);
    Record emptied = one;
    emptied.set(Column::Name, QVariant());
    const Status needed = keyed->save(one, emptied, {Column::Name});
    EXPECT_EQ(needed.code(), StatusCode::Constraint);
    EXPECT_TRUE(needed.message().contains("“name”不能为空")) << needed.message().toStdString();

    const QString full =
        dir.makeFrom("full.mdb",
                     "CREATE TABLE winfun (ID INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT);"
                     "INSERT INTO winfun VALUES (9223372036854775807, 'last');"
                     "CREATE TRIGGER stay BEFORE DELETE ON winfun "
                     "BEGIN SELECT RAISE(ABORT, 'keep the last one'); END;");
    auto store = openStore(full);
    ASSERT_TRUE(store);
    const Status usedUp = store->add().status();
    EXPECT_EQ(usedUp.code(), StatusCode::Constraint);
    EXPECT_TRUE(usedUp.message().contains("不能再给出新的 ID")) << usedUp.message().toStdString();
    const Status raised = store->remove(*store->record(9223372036854775807));
    EXPECT_EQ(raised.code(), StatusCode::Constraint);
    EXPECT_TRUE(raised.message().contains("触发器拒绝") &&
                raised.message().contains("keep the last one"))
        << raised.message().toStdString();
    EXPECT_EQ(test::queryTexts(full, "select name from winfun"), QStringList{"last"});
}
