#pragma once

#include "core/store/optional_columns.h"

#include <QString>
#include <QVariant>

#include <optional>

namespace tolvane {

// The statements and texts of the searches and the record view, built from
// what the window shows. Patterns use the catalogue's LIKE language (`*`,
// `?`, `#`, `[...]`, `[!...]`, case-insensitive letters).

// `text` as an SQL string literal: in apostrophes, each apostrophe of the
// text doubled, so no typed text can end the literal early.
QString sqlTextLiteral(const QString& text);

// A search statement: what it selects from the catalogue and the condition
// the rows meet.
struct SearchStatement {
    QString select;
    QString condition;

    QString text() const;
    // The same rows among the IDs from `first` to `last`, both included, in
    // the store's ID order (see IdWalk); without a last: all from `first` on.
    QString idPart(const QVariant& first, const std::optional<QVariant>& last) const;
    // The same rows among those whose ID is Null, which no part reaches.
    QString nullIdPart() const;
};

// Walking the catalogue in the store's own ID order, part by part, whatever
// the IDs hold. The store orders IDs as SQLite compares them: numbers by
// value (integers and reals together), then texts, then blobs; Null IDs come
// in no part. IDs are passed back exactly as read from the queries below
// (qlonglong, double, QString or QByteArray). One turn:
//   1. firstIdAfterQuery(previous last, or nothing at the start): column v
//      of its one row is the part's first ID; no row: the walk is over.
//   2. partEndQuery(first, rows): column v of its one row is the ID `rows - 1`
//      places after `first`, the part's last ID; no row: fewer are left, and
//      the part runs to the end (idPart without a last), the last part.
//   3. idPart(first, last) lists the part's rows; go on with 1.
// Every part starts strictly after the previous one's last ID, so the walk
// ends after at most as many parts as there are distinct IDs, and it never
// yields a row twice; duplicate IDs fall into the same part.
QString firstIdAfterQuery(const std::optional<QVariant>& after);
QString partEndQuery(const QVariant& first, qlonglong rows);

// An ID as an SQL literal that compares exactly like the value read:
// integers and reals in full precision, texts quoted (as a cast blob when
// they hold a zero character, which would end the statement text), blobs in
// hexadecimal, Null as NULL.
QString sqlIdLiteral(const QVariant& id);

// The records whose name contains `pattern`, as (name, ID). A category
// position other than 2 adds class = position - 2; a DLL position other
// than 0 adds libsclass equal to the DLL entry's text exactly as listed.
SearchStatement nameSearchQuery(const QString& pattern, int categoryPosition, int dllPosition,
                                const QString& dllText);

// The records in which any of the searchable columns contains `pattern`;
// the optional columns are searched when the catalogue has them.
SearchStatement fullTextQuery(const QString& pattern, const OptionalColumns& columns = {});

// One record by its ID.
QString recordQuery(qlonglong id);

// How a navigation button reaches its record: the rows to open and the
// moves to make in them. Rows are walked in ascending ID; only the few rows
// a step needs are read. With a number on view, previous and next open the
// nearest record below or above it, also when that number's record is gone.
// With anything else on view the find fails and the move starts from the
// first record.
struct NavigationPlan {
    enum class Move { First, Previous, Next, Last };
    QString sql;
    bool findOnView = false;  // find "ID=" + the text on view before moving
    Move move = Move::First;
};
NavigationPlan navigationPlan(int button, const QString& idOnView);

// Status line texts.
QString searchingText();
QString countText(qsizetype count);
// A search that an engine failure ended, with what it had listed.
QString cutShortText(qsizetype count);
// The message after a search that met rows it could not list.
QString skippedIdsText(qint64 count);
// An entry's text, a blank, its position counted from 1, "/" and the count.
QString positionText(const QString& name, qsizetype row, qsizetype count);

}  // namespace tolvane
