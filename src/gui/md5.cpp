#include "gui/md5.h"

#include <QCryptographicHash>

namespace tolvane {

QString md5Hex(const QString& text) {
    return QString::fromLatin1(
        QCryptographicHash::hash(text.toLocal8Bit(), QCryptographicHash::Md5).toHex().toUpper());
}

}  // namespace tolvane
