#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace tolvane {

// One token of an SQL statement; comments and blanks are dropped.
struct SqlToken {
    enum Kind { Word, Quoted, Text, Number, Symbol };
    Kind kind;
    QString text;  // a quoted name or a text without its quotes

    bool isWord(const char* word) const;  // in any case
};

// The first `limit` tokens of `sql` (all of them when limit < 0).
std::vector<SqlToken> sqlTokens(QStringView sql, qsizetype limit = -1);

// Code of the file's choosing that a write into a table would run: a call
// in a DEFAULT, CHECK or generated-column expression or in a partial
// index's condition (LIKE, GLOB, REGEXP and MATCH count as calls), or an
// index term that is an expression rather than a column.
struct WriteCode {
    enum Where { Default, Check, Generated, IndexTerm, IndexCondition };
    Where where;
    QString column;    // the column the clause belongs to; empty for table constraints
    QString function;  // the function called; empty for an expression index term
};

// What a CREATE TABLE statement, or a CREATE INDEX statement, makes every
// write run; nothing when it only stores literal defaults and indexes columns.
std::optional<WriteCode> tableWriteCode(QStringView createTable);
std::optional<WriteCode> indexWriteCode(QStringView createIndex);

}  // namespace tolvane
