#include "core/system/qt_settings.h"

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

// Flushes the file; a failed flush names the file and the reason.
Status commit(QSettings& settings) {
    settings.sync();
    if (settings.status() == QSettings::NoError) return {};
    return Status(StatusCode::SettingsUnwritable,
                  QStringLiteral("%1：%2（%3）")
                      .arg(standardMessage(StatusCode::SettingsUnwritable), settings.fileName(),
                           whyUnwritable(settings.fileName())));
}

// The application name is a file name: one with a folder separator would
// reach outside the settings folder.
bool usableApp(const QString& app) {
    return !app.isEmpty() && !app.contains(u'/') && !app.contains(u'\\');
}

std::unique_ptr<QSettings> open(const QString& baseFolder, const QString& app) {
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
    if (!usableApp(app)) return defaultValue;
    auto settings = open(baseFolder_, app);
    const QVariant value = settings->value(entryKey(section, key));
    if (!value.isValid()) return defaultValue;
    // A hand-edited value with an unquoted comma reads back as a list.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(u',');
    return value.toString();
}

Status QtSettingsStore::write(const QString& app, const QString& section, const QString& key,
                              const QString& value) {
    if (!usableApp(app)) return Status(StatusCode::BadPath);
    auto settings = open(baseFolder_, app);
    settings->setValue(entryKey(section, key), value);
    return commit(*settings);
}

Status QtSettingsStore::remove(const QString& app, const QString& section, const QString& key) {
    if (!usableApp(app)) return Status(StatusCode::BadPath);
    auto settings = open(baseFolder_, app);
    settings->remove(entryKey(section, key));
    return commit(*settings);
}

}  // namespace tolvane
