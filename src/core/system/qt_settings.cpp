#include "core/system/qt_settings.h"

#include "core/store/error.h"

#include <QFileInfo>
#include <QSettings>

#include <memory>
#include <utility>

namespace tolvane {

namespace {

const QString kOrganization = QStringLiteral("Tolvane");

// Why a file cannot be written, as far as the file system tells.
QString whyUnwritable(const QString& fileName) {
    const QFileInfo file(fileName);
    QFileInfo folder(file.absolutePath());  // the nearest one that exists
    while (!folder.exists() && !folder.isRoot()) folder = QFileInfo(folder.absolutePath());
    if (!folder.isDir()) return QStringLiteral("'%1' 是文件，不是文件夹").arg(folder.filePath());
    if (file.exists() && !file.isWritable()) return QStringLiteral("文件是只读的");
    if (!folder.isWritable())
        return QStringLiteral("没有写入文件夹 '%1' 的权限").arg(folder.filePath());
    return QStringLiteral("无法写入该文件，磁盘可能已满或只读");
}

// Flushes the file and turns a failed flush into an Error that names the
// file and the reason.
void commit(QSettings& settings) {
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw Error(err::PathFileAccess,
                    QStringLiteral("%1：%2（%3）")
                        .arg(describeError(err::PathFileAccess), settings.fileName(),
                             whyUnwritable(settings.fileName())));
}

// The application name is a file name: one with a folder separator would
// reach outside the settings folder.
std::unique_ptr<QSettings> open(const QString& baseFolder, const QString& app) {
    if (app.isEmpty() || app.contains(u'/') || app.contains(u'\\')) throw Error(err::BadFileName);
    if (baseFolder.isEmpty())
        return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                           kOrganization, app);
    return std::make_unique<QSettings>(baseFolder + u'/' + app + QStringLiteral(".ini"),
                                       QSettings::IniFormat);
}

QString entryKey(const QString& section, const QString& key) { return section + u'/' + key; }

}  // namespace

QtSettingsStore::QtSettingsStore(QString baseFolder) : baseFolder_(std::move(baseFolder)) {}

QString QtSettingsStore::read(const QString& app, const QString& section, const QString& key,
                              const QString& defaultValue) {
    auto settings = open(baseFolder_, app);
    const QVariant value = settings->value(entryKey(section, key));
    if (!value.isValid()) return defaultValue;
    // A hand-edited value with an unquoted comma reads back as a list.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(u',');
    return value.toString();
}

void QtSettingsStore::write(const QString& app, const QString& section, const QString& key,
                            const QString& value) {
    auto settings = open(baseFolder_, app);
    settings->setValue(entryKey(section, key), value);
    commit(*settings);
}

void QtSettingsStore::remove(const QString& app, const QString& section, const QString& key) {
    auto settings = open(baseFolder_, app);
    settings->remove(entryKey(section, key));
    commit(*settings);
}

}  // namespace tolvane
