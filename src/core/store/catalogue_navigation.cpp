// Stepping through the catalogue: the records at either end and next to a
// record, in ID order.
#include "core/store/catalogue_store.h"
#include "core/store/sqlite_values.h"

#include <sqlite3.h>

namespace tolvane {

Result<Record> CatalogueStore::first() { return step(nullptr, true); }

Result<Record> CatalogueStore::last() { return step(nullptr, false); }

Result<Record> CatalogueStore::after(const Record& from) {
    return from.value(Column::Id).isValid() ? step(&from, true) : first();
}

Result<Record> CatalogueStore::before(const Record& from) {
    return from.value(Column::Id).isValid() ? step(&from, false)
                                            : Status(StatusCode::NoCurrentRecord);
}

// The order is the search's: the ID as stored, then the rowid, so that rows
// sharing an ID follow each other. The ID is bound as it was read, so a text
// ID is compared as the text it is. With an index on ID each step is one
// seek; without one, one pass over the table that reads only ID and rowid
// (the record is then read by its rowid). Where ID is the rowid, the step
// seeks in the table itself: an index holding ID with other columns (as
// the searches' does) may hold a huge value before the rowid, and reading
// past it walks all of it. A WITHOUT ROWID table is ordered by ID alone.
Result<Record> CatalogueStore::step(const Record* from, bool forward) {
    const bool rowid = connection_->shape().hasRowid;
    const QByteArray key = rowid ? "(ID, rowid)" : "ID";
    const QByteArray order =
        forward ? (rowid ? "ID, rowid" : "ID") : (rowid ? "ID DESC, rowid DESC" : "ID DESC");
    const QByteArray where = from ? key + (forward ? " > " : " < ") + (rowid ? "(?, ?)" : "?")
                                  : QByteArray("ID IS NOT NULL");
    const QByteArray rest = "WHERE " + where + " ORDER BY " + order + " LIMIT 1";
    const QByteArray table = connection_->shape().idIsRowid ? "winfun NOT INDEXED " : "winfun ";
    return oneRecord(rowid ? "WHERE rowid = (SELECT rowid FROM " + table + rest + ")" : rest,
                     [from, rowid](sqlite3_stmt* s) {
                         if (!from) return;
                         bindValue(s, 1, from->value(Column::Id));
                         if (rowid) sqlite3_bind_int64(s, 2, from->rowid());
                     });
}

}  // namespace tolvane
