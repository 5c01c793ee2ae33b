#pragma once

#include "core/store/status.h"

#include <QString>

#include <chrono>
#include <memory>

namespace tolvane {

class CatalogueStore;
struct Env;

// The catalogue a lookup reads when none is given: where the window finds
// one without asking (the remembered MDB_Path, else ./winapi.mdb, then the
// same file name in cataloguePlaces()). A remembered path that is malformed
// counts as none remembered; nothing is written. Throws FindFailure when no
// file is found.
QString defaultCataloguePath(const Env& env);

// The password in a password file: its first line, without the line end.
// Throws FindFailure when the file cannot be read.
QString readPasswordFile(const QString& path);

// Opens a catalogue read-only. Throws FindFailure with a message that names
// the file and says why it cannot be read: missing, a folder, a device or
// another file that is not regular, an over-long path, not a usable file
// name, unreadable, an Access database, damaged, what its table lacks or
// uses, encrypted without a password, a wrong password, needing recovery,
// written by another program for longer than `lockWait`. Nothing is created
// or changed beside the file.
std::unique_ptr<CatalogueStore> openCatalogueReadOnly(const QString& path, const QString& password,
                                                      std::chrono::milliseconds lockWait);

// A failure of the engine while reading `path`, in English words.
QString readingFailure(const QString& path, const Status& failure);

}  // namespace tolvane
