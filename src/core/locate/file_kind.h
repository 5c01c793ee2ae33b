#pragma once

#include "core/store/status.h"

#include <QString>

namespace tolvane {

// Whether the file is a Microsoft Access (Jet or ACE) database: its bytes 4
// to 18 read "Standard Jet DB" or "Standard ACE DB". Only regular files are
// read; a missing or unreadable file is none.
bool isAccessDatabase(const QString& path);

// When the file is one: NotACatalogue, with a message that names the file,
// says that it is an Access/Jet database this version cannot open, and shows
// how to turn it into a catalogue; Ok otherwise.
Status accessDatabaseStatus(const QString& path);

}  // namespace tolvane
