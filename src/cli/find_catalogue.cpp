#include "cli/find_catalogue.h"

#include "cli/find_options.h"
#include "core/locate/file_kind.h"
#include "core/locate/open_catalogue.h"
#include "core/store/catalogue_store.h"
#include "core/system/settings.h"

#include <QFile>

namespace tolvane {

namespace {

// The engine's error numbers, which the command line's messages show.
int errorNumber(StatusCode code) {
    switch (code) {
    case StatusCode::Ok: return 0;
    case StatusCode::Cancelled: return 3059;
    case StatusCode::BadPath: return 52;
    case StatusCode::NotAFileName: return 3055;
    case StatusCode::FileMissing:
    case StatusCode::FileGone: return 3024;
    case StatusCode::FileInUse: return 3051;
    case StatusCode::NotACatalogue: return 3343;
    case StatusCode::WrongPassword: return 3031;
    case StatusCode::Denied: return 3033;
    case StatusCode::NoCurrentRecord: return 3021;
    case StatusCode::RecordGone: return 3167;
    case StatusCode::RecordChanged: return 3197;
    case StatusCode::DuplicateId: return 3022;
    case StatusCode::UnknownColumn: return 3265;
    case StatusCode::UnknownName: return 3061;
    case StatusCode::NoSuchTable: return 3078;
    case StatusCode::InvalidPattern: return 3400;
    case StatusCode::SyntaxError: return 3075;
    case StatusCode::Locked: return 3218;
    case StatusCode::ReadOnly: return 3027;
    case StatusCode::DiskFull: return 3035;
    case StatusCode::DiskError: return 3043;
    case StatusCode::OutOfMemory: return 7;
    case StatusCode::TooBig: return 3163;
    case StatusCode::TypeMismatch: return 3464;
    case StatusCode::Duplicate: return 3022;
    case StatusCode::Constraint: return 3317;
    case StatusCode::SettingsUnwritable: return 75;
    case StatusCode::ClipboardFailure: return 521;
    case StatusCode::EngineFailure: return 3146;
    }
    return 3146;
}

}  // namespace

QString defaultCataloguePath(SettingsStore& settings, FileProbe& files, const QString& programDir) {
    const QString remembered = settings.read(settingsAppName(kAppArgument), kCataloguePathEntry,
                                             kCataloguePathEntry, kCatalogueFileName);
    Result<std::optional<QString>> found = existingCatalogue(files, remembered, programDir);
    // The window forgets a malformed remembered path and starts over.
    if (!found.ok()) found = existingCatalogue(files, kCatalogueFileName, programDir);
    if (found.ok() && *found) return **found;
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

std::unique_ptr<CatalogueStore> openCatalogueReadOnly(const QString& path, const QString& password,
                                                      std::chrono::milliseconds lockWait) {
    Result<std::unique_ptr<CatalogueStore>> store =
        CatalogueStore::open(path, password, {.readOnly = true, .lockWait = lockWait});
    if (store.ok()) return std::move(*store);
    switch (store.status().code()) {
    case StatusCode::FileMissing:
        throw FindFailure(QStringLiteral("catalogue not found: %1").arg(path));
    case StatusCode::NotAFileName:
        throw FindFailure(QStringLiteral("not a usable catalogue file name: %1").arg(path));
    case StatusCode::FileInUse:
        throw FindFailure(
            QStringLiteral("cannot read the catalogue %1: no permission, or another program "
                           "holds it exclusively")
                .arg(path));
    case StatusCode::NotACatalogue:
        if (isAccessDatabase(path))
            throw FindFailure(
                QStringLiteral("%1 is a Microsoft Access database, which Tolvane cannot read; "
                               "convert it to SQLite first (mdb-schema and mdb-export of mdbtools)")
                    .arg(path));
        throw FindFailure(
            QStringLiteral("%1 is no Tolvane catalogue: it is damaged or another kind of file")
                .arg(path));
    case StatusCode::WrongPassword:
        if (password.isEmpty())
            throw FindFailure(QStringLiteral("the catalogue %1 is encrypted: give its password "
                                             "with --password-file FILE")
                                  .arg(path));
        throw FindFailure(QStringLiteral("wrong password for the catalogue %1").arg(path));
    default: throw FindFailure(readingFailure(path, store.status()));
    }
}

QString readingFailure(const QString& path, const Status& failure) {
    if (failure.code() == StatusCode::Locked)
        return QStringLiteral(
                   "the catalogue %1 is being written by another program; try again "
                   "later (or wait longer with --wait SECONDS)")
            .arg(path);
    return QStringLiteral("reading the catalogue %1 failed (engine error %2)")
        .arg(path)
        .arg(errorNumber(failure.code()));
}

}  // namespace tolvane
