#include "core/locate/catalogue_places.h"

#include "core/locate/open_catalogue.h"
#include "core/system/env.h"
#include "core/system/file_probe.h"

#include <QFileInfo>

#include <algorithm>

namespace tolvane {

namespace {

const QString kInstalledFolder = QStringLiteral("/tolvane/");

}  // namespace

QStringList cataloguePlaces(const Env& env, const QString& name) {
    QStringList places{env.programDir + QStringLiteral("/mdb/") + name};
    if (!env.userDataDir.isEmpty()) places << env.userDataDir + kInstalledFolder + name;
    for (const QString& folder : env.dataDirs) places << folder + kInstalledFolder + name;
    return places;
}

Result<std::optional<QString>> existingCatalogue(const Env& env, const QString& path) {
    const Result<bool> there = env.files->exists(path);
    if (!there.ok()) return there.status();
    if (*there) return std::optional<QString>(path);
    // The part after the last "\" or "/" (all of it without one).
    const QString name = path.mid(std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/')) + 1);
    for (const QString& place : cataloguePlaces(env, name)) {
        const Result<bool> found = env.files->exists(place);
        if (!found.ok()) return found.status();
        if (*found) return std::optional<QString>(place);
    }
    return std::optional<QString>();
}

bool readOnlyPlace(const Env& env, const QString& path) {
    const QFileInfo file(QString(path).replace(u'\\', u'/'));
    const QString canonical = file.canonicalFilePath();
    for (const QString& folder : env.dataDirs) {
        const QString installed = QFileInfo(folder + kInstalledFolder).canonicalFilePath();
        if (!installed.isEmpty() && canonical.startsWith(installed + u'/')) return true;
    }
    // SQLite writes its journal beside the file.
    return !file.isWritable() || !QFileInfo(QFileInfo(canonical).absolutePath()).isWritable();
}

QString userCopyPath(const Env& env) {
    return env.userDataDir.isEmpty() ? QString()
                                     : env.userDataDir + kInstalledFolder + kCatalogueFileName;
}

}  // namespace tolvane
