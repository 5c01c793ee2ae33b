#include "cli/find_catalogue.h"

#include "cli/find_options.h"
#include "core/locate/file_kind.h"
#include "core/locate/open_catalogue.h"
#include "core/store/error.h"
#include "core/store/sqlite_engine.h"
#include "core/system/file_probe.h"
#include "core/system/settings.h"

#include <QFile>

#include <optional>

namespace tolvane {

QString defaultCataloguePath(SettingsStore& settings, FileProbe& files, const QString& programDir) {
    const QString remembered = settings.read(settingsAppName(kAppArgument), kCataloguePathEntry,
                                             kCataloguePathEntry, kCatalogueFileName);
    std::optional<QString> found;
    try {
        found = existingCatalogue(files, remembered, programDir);
    } catch (const Error& e) {
        // The window forgets a malformed remembered path and starts over.
        if (e.number() != err::BadFileName) throw;
        found = existingCatalogue(files, kCatalogueFileName, programDir);
    }
    if (found) return *found;
    throw FindFailure(
        QStringLiteral("no catalogue found (not at the remembered path, not ./%1, not %2/mdb/%1); "
                       "give one with --catalogue FILE")
            .arg(kCatalogueFileName, programDir));
}

QString readPasswordFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FindFailure(
            QStringLiteral("cannot read the password file %1: %2").arg(path, file.errorString()));
    QByteArray line = file.readLine();
    if (line.endsWith('\n')) line.chop(1);
    if (line.endsWith('\r')) line.chop(1);
    return QString::fromUtf8(line);
}

std::unique_ptr<Database> openCatalogueReadOnly(const QString& path, const QString& password) {
    try {
        return SqliteEngine().openDatabase(path, false, true, QStringLiteral(";PWD=") + password);
    } catch (const Error& e) {
        switch (e.number()) {
        case err::CannotFindFile:
            throw FindFailure(QStringLiteral("catalogue not found: %1").arg(path));
        case err::NotValidFileName:
            throw FindFailure(QStringLiteral("not a usable catalogue file name: %1").arg(path));
        case err::FileInUse:
            throw FindFailure(
                QStringLiteral("cannot read the catalogue %1: no permission, or another program "
                               "holds it exclusively")
                    .arg(path));
        case err::NotInDatabase:
            if (isAccessDatabase(path))
                throw FindFailure(
                    QStringLiteral(
                        "%1 is a Microsoft Access database, which Tolvane cannot read; "
                        "convert it to SQLite first (mdb-schema and mdb-export of mdbtools)")
                        .arg(path));
            throw FindFailure(
                QStringLiteral("%1 is no Tolvane catalogue: it is damaged or another kind of file")
                    .arg(path));
        case err::NotValidPassword:
            if (password.isEmpty())
                throw FindFailure(QStringLiteral("the catalogue %1 is encrypted: give its password "
                                                 "with --password-file FILE")
                                      .arg(path));
            throw FindFailure(QStringLiteral("wrong password for the catalogue %1").arg(path));
        default: throw FindFailure(readingFailure(path, e.number()));
        }
    }
}

QString readingFailure(const QString& path, int errorNumber) {
    return QStringLiteral("reading the catalogue %1 failed (engine error %2)")
        .arg(path)
        .arg(errorNumber);
}

}  // namespace tolvane
