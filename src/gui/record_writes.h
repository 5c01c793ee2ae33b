#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace tolvane {

class Database;

// What a save writes: each detail box's text under its column, the two
// supported-system flags and the selected category position.
struct RecordEdit {
    std::vector<std::pair<QString, QString>> texts;  // column, text (CR LF line breaks)
    bool win95 = false;
    bool winnt = false;
    int categoryPosition = -1;  // -1: nothing selected
};

// The record ID shown in the ID box, when the text is a whole number that
// an ID can hold (optional minus sign, decimal digits, nothing else).
std::optional<std::int64_t> recordIdFromText(const QString& text);
// As recordIdFromText, but a text that is no ID fails like a statement that
// could not use it (syntax error), so that nothing reaches the database.
std::int64_t requireRecordId(const QString& text);

// Appends a row with every column at its default and returns its ID.
std::int64_t appendEmptyRecord(Database& db);
// Writes `edit` into the row with `id` in one update: either every value or
// none reaches the file. Returns false, writing nothing, when no row has `id`.
bool saveRecord(Database& db, std::int64_t id, const RecordEdit& edit);
// Deletes the row with `id`; no such row is no failure.
void deleteRecord(Database& db, std::int64_t id);

}  // namespace tolvane
