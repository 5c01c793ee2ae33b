#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <optional>

namespace tolvane {

// The fixed vocabularies the user picks from, as data/vocabulary.txt holds
// them (compiled in at build time).

// The category list: entry p shows and saves class p - 1 in the record
// view, and the name search filters on that same class, so the entry a
// record shows is the entry that finds it; the entry "所有分类" means no
// category condition there.
const QStringList& categoryList();
int allCategoriesPosition();

// The DLL filter's fixed entries: entry 0 means no DLL condition, every
// other is compared with libsclass exactly as spelled.
const QStringList& dllList();
constexpr int kAllLibrariesPosition = 0;

// The position in the category list that shows a record's class value:
// class c at c + 1, c read as the classic Val() reads text (leadingNumber),
// rounded half to even. Nothing for Null or a position outside the list.
std::optional<int> categoryPosition(const QVariant& classValue);
// The class a save stores for a list position (-1: nothing selected), kept
// to 16 bits as the column holds it.
std::int16_t classForPosition(int position);
// The class the name search's filter looks for at a list position, the one
// the record view shows there; nothing for "所有分类".
std::optional<qint64> filterClass(int position);

// The number a text starts with, as the classic Val() reads it: blanks
// skipped, an optional sign, digits with an optional decimal point and
// exponent; 0 when the text starts with none.
double leadingNumber(const QString& text);

}  // namespace tolvane
