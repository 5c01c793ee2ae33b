#include "core/system/local_file_probe.h"

#include "core/store/error.h"

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

// The path is written with "/" only.
void checkProbePath(const QString& path) {
    if (path.isEmpty() || path.toUtf8().size() > kMaxPathBytes) throw Error(err::BadFileName);
    for (QChar c : path)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) throw Error(err::BadFileName);
    for (const QString& name : path.split(u'/'))
        if (name.toUtf8().size() > kMaxNameBytes) throw Error(err::BadFileName);
    // Folder names may hold "*" and "?" as plain characters, but a pattern
    // cannot name a folder: such a folder must exist under exactly that name.
    const qsizetype cut = path.lastIndexOf(u'/');
    const QString folder = cut < 0 ? QString() : path.left(cut);
    if (std::any_of(folder.begin(), folder.end(), isWildcard) && !QFileInfo(folder).isDir())
        throw Error(err::BadFileName);
}

}  // namespace

bool LocalFileProbe::exists(const QString& path) {
    const QString unified = QString(path).replace(u'\\', u'/');
    checkProbePath(unified);
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
