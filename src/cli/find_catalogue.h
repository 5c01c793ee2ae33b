#pragma once

#include "core/store/status.h"

#include <QString>

#include <chrono>
#include <memory>

namespace tolvane {

class CatalogueStore;
class FileProbe;
class SettingsStore;

// The catalogue a lookup reads when none is given: where the window finds
// one without asking (the remembered MDB_Path, else ./winapi.mdb, then the
// same file name in mdb/ beside the program). A remembered path that is
// malformed counts as none remembered; nothing is written. Throws
// FindFailure when no file is found.
QString defaultCataloguePath(SettingsStore& settings, FileProbe& files, const QString& programDir);

// The password in a password file: its first line, without the line end.
// Throws FindFailure when the file cannot be read.
QString readPasswordFile(const QString& path);

// Opens a catalogue read-only. Throws FindFailure with a message that names
// the file and says why it cannot be read: missing, not a usable file name,
// unreadable, damaged or no catalogue, an Access database, encrypted without
// a password, a wrong password, written by another program for longer than
// `lockWait`. Nothing is created or changed beside the file.
std::unique_ptr<CatalogueStore> openCatalogueReadOnly(const QString& path, const QString& password,
                                                      std::chrono::milliseconds lockWait);

// A failure of the engine while reading `path`, in English, with the
// engine's error number.
QString readingFailure(const QString& path, const Status& failure);

}  // namespace tolvane
