#include "core/lookup/dll_list.h"

#include <QSet>

#include <algorithm>

#include "core/store/engine.h"
#include "core/store/error.h"

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

QString dllSpellingsQuery() { return QStringLiteral("select distinct libsclass from winfun"); }

QStringList catalogueDllSpellings(Database& catalogue) {
    QStringList out;
    try {
        const std::unique_ptr<Recordset> rows = catalogue.openRecordset(dllSpellingsQuery());
        for (; !rows->eof(); rows->moveNext()) {
            const QVariant value = rows->field(QStringLiteral("libsclass"));
            if (!value.isNull()) out.push_back(value.toString());
        }
    } catch (const Error&) {
        return {};
    }
    return out;
}

}  // namespace tolvane
