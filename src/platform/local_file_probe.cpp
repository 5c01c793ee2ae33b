#include "platform/local_file_probe.h"

#include "platform/error.h"

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
        if (c == u'*') expression += QStringLiteral(".*");
        else if (c == u'?') expression += u'.';
        else expression += QRegularExpression::escape(QString(c));
    }
    return QRegularExpression(QRegularExpression::anchoredPattern(expression));
}

void checkProbePath(const QString& path) {
    if (path.isEmpty() || path.toUtf8().size() > kMaxPathBytes) throw Error(err::BadFileName);
    for (QChar c : path)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) throw Error(err::BadFileName);
    const QStringList names = QString(path).replace(u'\\', u'/').split(u'/');
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (names[i].toUtf8().size() > kMaxNameBytes) throw Error(err::BadFileName);
        if (i + 1 < names.size() && std::any_of(names[i].begin(), names[i].end(), isWildcard))
            throw Error(err::BadFileName);
    }
}

}  // namespace

bool LocalFileProbe::exists(const QString& path) {
    checkProbePath(path);
    const QString unified = QString(path).replace(u'\\', u'/');
    const qsizetype cut = unified.lastIndexOf(u'/');
    const QString name = unified.mid(cut + 1);
    if (name.isEmpty()) return false;
    // "/name" lies in the root folder; a bare name in the current one.
    const QString folder = cut < 0 ? QStringLiteral(".") : cut == 0 ? QStringLiteral("/")
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
