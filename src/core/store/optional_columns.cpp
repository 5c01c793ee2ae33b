#include "core/store/optional_columns.h"

#include "core/store/engine.h"
#include "core/store/error.h"

namespace tolvane {

namespace {

bool hasColumn(Database& db, const QString& column) {
    try {
        db.openRecordset(QStringLiteral("SELECT %1 FROM winfun WHERE 0").arg(column))->close();
        return true;
    } catch (const Error&) {
        return false;
    }
}

}  // namespace

OptionalColumns optionalColumns(Database& db) { return {hasColumn(db, kVba64Column)}; }

}  // namespace tolvane
