#pragma once

#include <QString>

namespace tolvane {

// The status line's texts and the messages of the searches.
QString searchingText();
// What every action says when no catalogue is open.
QString noCatalogueText();
QString countText(qsizetype count);
// A search that an engine failure ended, with what it had listed.
QString cutShortText(qsizetype count);
// The message after a search that met rows it could not list.
QString skippedIdsText(qint64 count);
// An entry's text, a blank, its position counted from 1, "/" and the count.
QString positionText(const QString& name, qsizetype row, qsizetype count);

}  // namespace tolvane
