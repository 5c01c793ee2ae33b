#pragma once

#include "core/store/status.h"

#include <QString>

#include <memory>

namespace tolvane {

struct Env;
class CatalogueStore;

// The opener's two remembered entries. Each lives under the settings
// application name "QMWX_" + the caller's application name, with section and
// key both equal to the entry's name.
inline const QString kEngineVersionEntry = QStringLiteral("DAO_Ver");   // engine identifier
inline const QString kCataloguePathEntry = QStringLiteral("MDB_Path");  // chosen catalogue

QString settingsAppName(const QString& appName);

// The catalogue file name and the application name the program opens its
// catalogue with.
inline const QString kCatalogueFileName = QStringLiteral("winapi.mdb");
inline const QString kAppArgument = QStringLiteral("varnel");

// Finds and opens the catalogue file. Records the engine version on first
// start, as settings files have always held it; looks for the remembered
// path (default: fileName, relative to the current directory), then for its
// file name in cataloguePlaces() (beside the program, then the data
// folders), then asks the user to
// choose the file, ending the program when the user declines or the chosen
// file does not exist either. A password-protected file is reopened once with
// a password asked for. A malformed remembered path is forgotten and the
// search starts over; a path the engine cannot use as a file name sends the
// user to the chooser and starts over. An Access/Jet file is refused with a
// note on converting it. A setting that cannot be stored is shown once and
// the opening goes on without it. A catalogue in a place the user cannot
// write (readOnlyPlace) is opened for reading only. Every other failure is shown to the user
// with its message and the call returns false.
// On success `store` holds the open catalogue; on failure it keeps what it held.
bool openCatalogue(const Env& env, const QString& fileName, std::unique_ptr<CatalogueStore>& store,
                   const QString& appName);

// Records in "DAO_Ver" the engine version that earlier versions of the
// program found on first start, so that existing settings keep their
// meaning; the engine itself is built in.
void registerEngine(const Env& env, const QString& appName);

// Lets the user choose the catalogue file (the dialog opens in the
// program's folder) and remembers the choice in "MDB_Path". Nothing is
// written when no file results. An empty application name stands for the
// program's name. Fails when the choice cannot be stored.
Status chooseCatalogue(const Env& env, const QString& appName);

}  // namespace tolvane
