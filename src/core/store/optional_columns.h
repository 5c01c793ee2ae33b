#pragma once

#include <QString>

namespace tolvane {

class Database;

// The 64-bit VBA declaration's column. Catalogues made before it was added
// lack it; they are used as they are and never get it added.
inline const QString kVba64Column = QStringLiteral("vba64");

// The columns of winfun that a catalogue may lack, as the opened one has them.
struct OptionalColumns {
    bool vba64 = false;
};

// Which optional columns `db` has; a column that cannot be read counts as
// absent.
OptionalColumns optionalColumns(Database& db);

}  // namespace tolvane
