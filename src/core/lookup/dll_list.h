#pragma once

#include <QString>
#include <QStringList>

namespace tolvane {

class Database;

// The DLL filter's entries: the fixed list ("~"-separated, its texts and
// order kept), then every other DLL spelling the catalogue holds, sorted
// without regard to case. Empty spellings are no entries.
QString dllFilterEntries(const QString& fixedList, const QStringList& spellings);

// The statement listing the DLL spellings (libsclass) of a catalogue.
QString dllSpellingsQuery();

// The DLL spellings of an open catalogue; none when it cannot be read.
QStringList catalogueDllSpellings(Database& catalogue);

}  // namespace tolvane
