#include "core/lookup/search_query.h"
#include "core/store/sqlite_engine.h"
#include "support/catalogues.h"

#include <gtest/gtest.h>

using namespace tolvane;

namespace {

// Lists a search part by part in ID order, each turn as search_query.h says.
QStringList walk(Database& db, const SearchStatement& search, qlonglong rows) {
    QStringList names;
    std::optional<QVariant> last;
    int turns = 0;
    for (auto next = db.openRecordset(firstIdAfterQuery(last)); !next->eof();
         next = db.openRecordset(firstIdAfterQuery(last))) {
        if (++turns > 100) {
            ADD_FAILURE() << "the walk does not end";
            break;
        }
        const QVariant first = next->field("v");
        auto end = db.openRecordset(partEndQuery(first, rows));
        if (end->eof()) return names + test::columnOf(db, search.idPart(first, std::nullopt));
        last = end->field("v");
        names += test::columnOf(db, search.idPart(first, last));
    }
    return names;
}

}  // namespace

// Whatever the IDs hold (texts, reals, blobs, the 64-bit ends, infinity, a
// zero character, duplicates), every row with an ID is listed once, in the
// store's order; rows with a Null ID come only in their own part.
TEST(IdWalkTest, EveryRowWithAnIdIsListedOnceInTheStoresOrder) {
    test::CatalogueDir dir;
    const SearchStatement all{QStringLiteral("SELECT name,ID FROM winfun"),
                              QStringLiteral("name LIKE '*'")};

    auto textKeys = SqliteEngine().openDatabase(
        dir.makeFrom("text.mdb",
                     "CREATE TABLE winfun (ID TEXT PRIMARY KEY, name TEXT);"
                     "INSERT INTO winfun VALUES ('abc', 'a'), ('10', 'b'), ('9', 'c'), (5, 'd'), "
                     "('Abc', 'e');"));
    for (const qlonglong rows : {1, 2, 10})
        EXPECT_EQ(walk(*textKeys, all, rows), QStringList({"b", "d", "c", "e", "a"})) << rows;

    auto mixed = SqliteEngine().openDatabase(dir.makeFrom(
        "mixed.mdb",
        "CREATE TABLE winfun (ID, name TEXT); CREATE INDEX byId ON winfun (ID);"
        "INSERT INTO winfun VALUES (3, 'three'), (1.5, 'half'), ('abc', 'text'), (X'00', 'blob'),"
        "(NULL, 'null'), (1, 'one'), (3, 'three again'), (9223372036854775807, 'max'),"
        "(-9223372036854775808, 'min'), ('x' || char(0) || 'y', 'zero'), (1e300, 'huge'),"
        "(9e999, 'infinite');"));
    const QStringList order = {"min",  "one",      "half", "three", "three again", "max",
                               "huge", "infinite", "text", "zero",  "blob"};
    for (const qlonglong rows : {1, 2, 3, 100}) EXPECT_EQ(walk(*mixed, all, rows), order) << rows;
    EXPECT_EQ(test::columnOf(*mixed, all.nullIdPart()), QStringList{"null"});
    // An empty catalogue ends at once.
    mixed->execute("delete from winfun");
    EXPECT_TRUE(walk(*mixed, all, 2).isEmpty());
}
