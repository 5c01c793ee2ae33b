#include "core/lookup/dll_list.h"

#include <QSet>

#include <algorithm>

namespace tolvane {

QString dllFilterEntries(const QString& fixedList, const QStringList& spellings) {
    const QStringList fixed = fixedList.split(QStringLiteral("~"), Qt::KeepEmptyParts);
    const QSet<QString> listed(fixed.begin(), fixed.end());
    QStringList others;
    for (const QString& s : spellings)
        if (!s.isEmpty() && !listed.contains(s) && !others.contains(s)) others.push_back(s);
    std::sort(others.begin(), others.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return others.isEmpty() ? fixedList
                            : fixedList + QStringLiteral("~") + others.join(QStringLiteral("~"));
}

}  // namespace tolvane
