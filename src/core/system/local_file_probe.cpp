#include "core/system/local_file_probe.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace tolvane {

namespace {

constexpr qsizetype kMaxNameBytes = 255;
constexpr qsizetype kMaxPathBytes = 4095;

bool isWildcard(QChar c) { return c == u'*' || c == u'?'; }

// "*" and "?" as the only special characters of a file name pattern.
QRegularExpression patternExpression(const QString& pattern) {
    QString expression;
    for (QChar c : pattern) {
        if (c == u'*')
            expression += QStringLiteral(".*");
        else if (c == u'?')
            expression += u'.';
        else
            expression += QRegularExpression::escape(QString(c));
    }
    return QRegularExpression(QRegularExpression::anchoredPattern(expression));
}

// Whether the probe takes the path, written with "/" only.
bool wellFormed(const QString& path) {
    if (path.isEmpty() || path.toUtf8().size() > kMaxPathBytes) return false;
    for (QChar c : path)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) return false;
    for (const QString& name : path.split(u'/'))
        if (name.toUtf8().size() > kMaxNameBytes) return false;
    // Folder names may hold "*" and "?" as plain characters, but a pattern
    // cannot name a folder: such a folder must exist under exactly that name.
    const qsizetype cut = path.lastIndexOf(u'/');
    const QString folder = cut < 0 ? QString() : path.left(cut);
    return !std::any_of(folder.begin(), folder.end(), isWildcard) || QFileInfo(folder).isDir();
}

}  // namespace

Result<bool> LocalFileProbe::exists(const QString& path) {
    const QString unified = QString(path).replace(u'\\', u'/');
    if (!wellFormed(unified)) return Status(StatusCode::BadPath);
    const qsizetype cut = unified.lastIndexOf(u'/');
    const QString name = unified.mid(cut + 1);
    if (name.isEmpty()) return false;
    // "/name" lies in the root folder; a bare name in the current one.
    const QString folder = cut < 0    ? QStringLiteral(".")
                           : cut == 0 ? QStringLiteral("/")
                                      : unified.left(cut);
    if (!std::any_of(name.begin(), name.end(), isWildcard))
        return QFileInfo(QDir(folder), name).isFile();

    const QRegularExpression match = patternExpression(name);
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    return std::any_of(entries.begin(), entries.end(), [&](const QFileInfo& entry) {
        return entry.isFile() && match.match(entry.fileName()).hasMatch();
    });
}

}  // namespace tolvane
