#include "cli/find_catalogue.h"

#include "cli/find_options.h"
#include "core/locate/catalogue_places.h"
#include "core/locate/file_kind.h"
#include "core/locate/open_catalogue.h"
#include "core/store/catalogue_store.h"
#include "core/system/env.h"
#include "core/system/settings.h"

#include <qplatformdefs.h>
#include <QFile>
#include <QFileInfo>

namespace tolvane {

namespace {

constexpr qint64 kPasswordLineLimit = 4096;  // without the line end

// What went wrong, in words, for failures whose status has no English
// particulars.
QString reason(StatusCode code) {
    switch (code) {
    case StatusCode::Ok: return {};
    case StatusCode::Cancelled: return QStringLiteral("it was stopped");
    case StatusCode::BadPath:
    case StatusCode::NotAFileName: return QStringLiteral("the path names no usable file");
    case StatusCode::FileMissing: return QStringLiteral("the file does not exist");
    case StatusCode::FileGone:
        return QStringLiteral("the file was deleted or replaced while it was read");
    case StatusCode::FileInUse:
        return QStringLiteral("no permission to read it, or another program holds it exclusively");
    case StatusCode::NotACatalogue: return QStringLiteral("it is damaged");
    case StatusCode::WrongPassword: return QStringLiteral("the password is wrong");
    case StatusCode::Denied:
        return QStringLiteral("it asks the engine to do more than read the table winfun");
    case StatusCode::NoCurrentRecord:
    case StatusCode::RecordGone: return QStringLiteral("a record vanished while it was read");
    case StatusCode::RecordChanged: return QStringLiteral("a record changed since it was read");
    case StatusCode::DuplicateId: return QStringLiteral("a record's ID is not unique");
    case StatusCode::UnknownColumn:
    case StatusCode::UnknownName: return QStringLiteral("the table winfun lacks a column it needs");
    case StatusCode::NoSuchTable: return QStringLiteral("it has no table winfun");
    case StatusCode::InvalidPattern: return QStringLiteral("the pattern is malformed");
    case StatusCode::SyntaxError:
        return QStringLiteral("the engine cannot read its table definitions");
    case StatusCode::Locked:
        return QStringLiteral(
            "another program is writing it; try again later, or wait "
            "longer with --wait SECONDS");
    case StatusCode::ReadOnly: return QStringLiteral("it cannot be read without being written");
    case StatusCode::DiskFull: return QStringLiteral("the disk is full");
    case StatusCode::DiskError: return QStringLiteral("the disk could not be read");
    case StatusCode::OutOfMemory: return QStringLiteral("out of memory");
    case StatusCode::TooBig: return QStringLiteral("a value is larger than the engine takes");
    case StatusCode::TypeMismatch: return QStringLiteral("a value has the wrong type");
    case StatusCode::Duplicate:
    case StatusCode::Constraint: return QStringLiteral("a value breaks a rule of the table");
    case StatusCode::SettingsUnwritable: return QStringLiteral("the settings cannot be written");
    case StatusCode::ClipboardFailure: return QStringLiteral("the clipboard failed");
    case StatusCode::EngineFailure: break;
    }
    return QStringLiteral("the engine failed");
}

QString reason(const Status& failure) {
    if (!failure.english().isEmpty()) return failure.english();
    // The engine's own words, where the status kept them.
    const qsizetype open = failure.message().indexOf(QStringLiteral("（"));
    if (failure.code() == StatusCode::EngineFailure && open >= 0)
        return reason(failure.code()) + QStringLiteral(": ") +
               failure.message().mid(open + 1).chopped(1);
    return reason(failure.code());
}

// A path that is not a regular file, said as what it is; "" for a regular
// file or none.
QString pathProblem(const QString& path) {
    const QByteArray bytes = QFile::encodeName(path);
    if (bytes.size() > 4095) return QStringLiteral("the path is longer than 4095 bytes");
    for (const QByteArray& part : bytes.split('/'))
        if (part.size() > 255) return QStringLiteral("a name in the path is longer than 255 bytes");
    const QFileInfo info(path);
    if (!info.exists()) return {};
    if (info.isDir()) return QStringLiteral("it is a folder, not a file");
    if (info.isFile()) return {};
    QT_STATBUF status;
    if (QT_STAT(bytes.constData(), &status) == 0) {
        if (S_ISFIFO(status.st_mode))
            return QStringLiteral("it is a FIFO (named pipe), not a file");
        if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))
            return QStringLiteral("it is a device, not a file");
        if (S_ISSOCK(status.st_mode)) return QStringLiteral("it is a socket, not a file");
    }
    return QStringLiteral("it is not a regular file");
}

}  // namespace

QString defaultCataloguePath(const Env& env) {
    const QString remembered =
        env.settings->read(settingsAppName(kAppArgument), kCataloguePathEntry, kCataloguePathEntry,
                           kCatalogueFileName);
    Result<std::optional<QString>> found = existingCatalogue(env, remembered);
    // The window forgets a malformed remembered path and starts over.
    if (!found.ok()) found = existingCatalogue(env, kCatalogueFileName);
    if (found.ok() && *found) return **found;
    throw FindFailure(
        QStringLiteral("no catalogue found at the remembered path, ./%1, %2; "
                       "give one with --catalogue FILE")
            .arg(kCatalogueFileName,
                 cataloguePlaces(env, kCatalogueFileName).join(QStringLiteral(", "))));
}

QString readPasswordFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FindFailure(
            QStringLiteral("cannot read the password file %1: %2").arg(path, file.errorString()));
    // Bounded: a device or a huge file must not be read without end.
    QByteArray line = file.readLine(kPasswordLineLimit + 3);
    const bool wholeLine = line.endsWith('\n') || file.atEnd();
    if (line.endsWith('\n')) line.chop(1);
    if (line.endsWith('\r')) line.chop(1);
    if (!wholeLine || line.size() > kPasswordLineLimit)
        throw FindFailure(QStringLiteral("the password file %1 does not start with a line of at "
                                         "most %2 bytes")
                              .arg(path)
                              .arg(kPasswordLineLimit));
    return QString::fromUtf8(line);
}

std::unique_ptr<CatalogueStore> openCatalogueReadOnly(const QString& path, const QString& password,
                                                      std::chrono::milliseconds lockWait) {
    if (const QString problem = pathProblem(path); !problem.isEmpty())
        throw FindFailure(QStringLiteral("cannot read the catalogue %1: %2").arg(path, problem));
    // An Access file looks encrypted to the engine: it is told first.
    if (isAccessDatabase(path))
        throw FindFailure(
            QStringLiteral(
                "%1 is a Microsoft Access (Jet/ACE) database, which Tolvane cannot read; "
                "convert it to SQLite first (mdb-schema and mdb-export of mdbtools)")
                .arg(path));
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
        if (!store.status().english().isEmpty())
            throw FindFailure(QStringLiteral("%1 is no usable Tolvane catalogue: %2")
                                  .arg(path, store.status().english()));
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
    return QStringLiteral("reading the catalogue %1 failed: %2").arg(path, reason(failure));
}

}  // namespace tolvane
