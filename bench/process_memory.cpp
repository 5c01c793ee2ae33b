#include "process_memory.h"

#include <QByteArray>
#include <QFile>

namespace tolvane::bench {

long long statusKiB(const char* key) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(static_cast<int>(qstrlen(key)))
                .trimmed()
                .split(' ')
                .first()
                .toLongLong();
    return -1;
}

}  // namespace tolvane::bench
