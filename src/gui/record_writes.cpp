#include "gui/record_writes.h"

#include "core/store/engine.h"
#include "core/store/error.h"
#include "core/store/vocabulary.h"

#include <memory>

namespace tolvane {

std::optional<std::int64_t> recordIdFromText(const QString& text) {
    const int digitsFrom = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (text.size() == digitsFrom) return std::nullopt;
    for (int i = digitsFrom; i < text.size(); ++i)
        if (text[i] < QLatin1Char('0') || text[i] > QLatin1Char('9')) return std::nullopt;
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok) return std::nullopt;  // beyond 64 bits
    return value;
}

std::int64_t requireRecordId(const QString& text) {
    if (auto id = recordIdFromText(text)) return *id;
    throw Error(err::SyntaxError);
}

std::int64_t appendEmptyRecord(Database& db) {
    std::unique_ptr<Recordset> rs = db.openTable(QStringLiteral("winfun"));
    rs->addNew();
    rs->update();
    // The appended row is the current one after the update.
    const std::int64_t id = rs->field(QStringLiteral("ID")).toLongLong();
    rs->close();
    return id;
}

bool saveRecord(Database& db, std::int64_t id, const RecordEdit& edit) {
    std::unique_ptr<Recordset> rs =
        db.openRecordset(QStringLiteral("select * from winfun where ID =") + QString::number(id));
    if (rs->eof()) {
        rs->close();
        return false;
    }
    const QString yes = QStringLiteral("Yes"), no = QStringLiteral("No");
    rs->edit();
    for (const auto& [column, text] : edit.texts) rs->setField(column, text);
    rs->setField(QStringLiteral("win95"), edit.win95 ? yes : no);
    rs->setField(QStringLiteral("winnt"), edit.winnt ? yes : no);
    rs->setField(QStringLiteral("class"), qlonglong{classForPosition(edit.categoryPosition)});
    rs->update();
    rs->close();
    return true;
}

void deleteRecord(Database& db, std::int64_t id) {
    db.execute(QStringLiteral("delete from winfun where ID=") + QString::number(id));
}

}  // namespace tolvane
