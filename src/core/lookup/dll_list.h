#pragma once

#include <QString>
#include <QStringList>

namespace tolvane {

// The DLL filter's entries: the fixed list ("~"-separated, its texts and
// order kept), then every other DLL spelling the catalogue holds, sorted
// without regard to case. Empty spellings are no entries.
QString dllFilterEntries(const QString& fixedList, const QStringList& spellings);

}  // namespace tolvane
