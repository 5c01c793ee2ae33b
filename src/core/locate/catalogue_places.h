#pragma once

#include "core/store/status.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tolvane {

struct Env;

// Where the catalogue is found without asking: `path` (a remembered one, or
// a bare file name taken from the current folder) when a file exists there,
// else the first file of the same name in cataloguePlaces(); nothing when
// none exists. BadPath for a malformed path.
Result<std::optional<QString>> existingCatalogue(const Env& env, const QString& path);

// The places a catalogue file called `name` is looked for after the path
// given, in order: the "mdb" folder beside the program, the "tolvane" folder
// of the user's data folder, then that of each system data folder.
QStringList cataloguePlaces(const Env& env, const QString& name);

// Whether a catalogue is opened for reading only: one installed in a system
// data folder's "tolvane" folder (the package's own, which an update
// replaces), or one whose file or folder the user cannot write.
bool readOnlyPlace(const Env& env, const QString& path);

// The user's own copy of the catalogue, in the "tolvane" folder of the
// user's data folder; "" without a user data folder.
QString userCopyPath(const Env& env);

}  // namespace tolvane
