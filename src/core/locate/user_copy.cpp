#include "core/locate/user_copy.h"

#include "core/locate/catalogue_places.h"
#include "core/locate/open_catalogue.h"
#include "core/system/dialogs.h"
#include "core/system/env.h"
#include "core/system/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tolvane {

namespace {

const QString kOfferCopy = QStringLiteral(
    "数据库文件 %1 只能读取，不能修改。\n"
    "要在 %2 建立您自己的副本并在副本中修改吗?以后将打开这个副本。");
const QString kNoUserFolder = QStringLiteral("不能建立副本：找不到您的数据文件夹。");
const QString kCopyExists = QStringLiteral("不能建立副本：%1 已经存在，未覆盖它。");
const QString kCopyFailed = QStringLiteral("不能建立副本 %1：%2");

constexpr qint64 kChunk = 1 << 20;

// Copies through a temporary file in the target's folder that takes the
// target's name only when every byte is written.
Status copyWhole(const QString& from, const QString& to) {
    if (!QDir().mkpath(QFileInfo(to).absolutePath()))
        return Status(
            StatusCode::ReadOnly,
            kCopyFailed.arg(to,
                            QStringLiteral("不能建立文件夹 %1").arg(QFileInfo(to).absolutePath())));
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return Status(StatusCode::FileInUse, kCopyFailed.arg(to, source.errorString()));
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly))
        return Status(StatusCode::ReadOnly, kCopyFailed.arg(to, target.errorString()));
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(kChunk);
        if (chunk.isEmpty() && source.error() != QFileDevice::NoError)
            return Status(StatusCode::DiskError, kCopyFailed.arg(to, source.errorString()));
        if (target.write(chunk) != chunk.size())
            return Status(StatusCode::DiskFull, kCopyFailed.arg(to, target.errorString()));
    }
    if (!target.commit())
        return Status(StatusCode::DiskFull, kCopyFailed.arg(to, target.errorString()));
    return {};
}

}  // namespace

Result<std::optional<QString>> offerUserCopy(const Env& env, const QString& path,
                                             const QString& appName) {
    const QString copy = userCopyPath(env);
    if (copy.isEmpty()) return Status(StatusCode::ReadOnly, kNoUserFolder);
    if (env.dialogs->messageBox(kOfferCopy.arg(path, copy), Buttons::YesNoCancel, Icon::Question) !=
        Answer::Yes)
        return std::optional<QString>();
    if (QFileInfo::exists(copy)) return Status(StatusCode::ReadOnly, kCopyExists.arg(copy));
    if (Status copied = copyWhole(QString(path).replace(u'\\', u'/'), copy); !copied.ok())
        return copied;
    // Unremembered, the copy is still found first among the data folders.
    if (Status remembered = env.settings->write(settingsAppName(appName), kCataloguePathEntry,
                                                kCataloguePathEntry, copy);
        !remembered.ok())
        env.dialogs->messageBox(remembered.message(), Buttons::Ok, Icon::Critical);
    return std::optional<QString>(copy);
}

}  // namespace tolvane
