#pragma once

#include "core/store/status.h"

#include <QString>

#include <optional>

namespace tolvane {

struct Env;

// What the first edit of a catalogue opened for reading does: asks whether
// to make the user's own copy (userCopyPath) and, when the user agrees,
// copies the file there whole and remembers the copy as the catalogue of
// `appName` ("MDB_Path"). Gives the copy's path; nothing when the user
// declines. Never replaces an existing file: a copy already there, no user
// data folder, or a copy that cannot be written fails with a message that
// says so, leaving no half-written file. A copy that cannot be remembered
// is used all the same, after showing why.
Result<std::optional<QString>> offerUserCopy(const Env& env, const QString& path,
                                             const QString& appName);

}  // namespace tolvane
