#pragma once

#include "core/lookup/jet_like.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <optional>
#include <vector>

namespace tolvane {

// A criterion for finding a row, such as "ID=5", "ID = 5", "name='CreateFileA'"
// or "class>=3 AND libsclass LIKE 'user*'": comparisons joined by AND. Each
// compares a column, a number or a quoted text ('...' or "...", the quote
// doubled inside) with =, <>, <, >, <=, >= or LIKE (JetPattern language).
// Numbers compare by value, texts without regard to case; a Null value never
// meets a comparison. A column name may be written in brackets: [name].
class FindCriterion {
public:
    // Throws err::SyntaxError for a malformed text and err::UnknownName for
    // a name that is not one of the columns (case-insensitively).
    static FindCriterion parse(const QString& text, const QStringList& columns);

    // value(i) gives column i of the row being tested.
    bool matches(const std::function<QVariant(int)>& value) const;

private:
    enum class Op { Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual, Like };
    struct Operand {
        int column = -1;  // or a literal
        QVariant literal;
    };
    struct Comparison {
        Operand left;
        Op op;
        Operand right;
        std::optional<JetPattern> pattern;  // for LIKE
    };

    static bool compare(const QVariant& a, Op op, const QVariant& b);

    std::vector<Comparison> terms_;
    friend class CriterionParser;
};

}  // namespace tolvane
