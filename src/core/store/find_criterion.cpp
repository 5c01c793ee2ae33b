#include "core/store/find_criterion.h"

#include "core/store/error.h"

namespace tolvane {

class CriterionParser {
public:
    CriterionParser(const QString& text, const QStringList& columns)
        : text_(text), columns_(columns) {}

    FindCriterion parse() {
        FindCriterion result;
        do {
            result.terms_.push_back(comparison());
        } while (keyword(QStringLiteral("AND")));
        skipBlanks();
        if (at_ < text_.size()) syntax();
        return result;
    }

private:
    using Op = FindCriterion::Op;

    [[noreturn]] void syntax() const {
        throw Error(err::SyntaxError, QStringLiteral("表达式 '%1' 中有语法错误。").arg(text_));
    }

    void skipBlanks() {
        while (at_ < text_.size() && text_[at_].isSpace()) ++at_;
    }

    static bool isNameChar(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

    // Consumes a whole word such as AND or LIKE, case-insensitively.
    bool keyword(const QString& word) {
        skipBlanks();
        const qsizetype end = at_ + word.size();
        if (QStringView(text_).mid(at_, word.size()).compare(word, Qt::CaseInsensitive) != 0 ||
            (end < text_.size() && isNameChar(text_[end])))
            return false;
        at_ = end;
        return true;
    }

    FindCriterion::Comparison comparison() {
        FindCriterion::Comparison c;
        c.left = operand();
        if (keyword(QStringLiteral("LIKE"))) {
            c.op = Op::Like;
            c.right = operand();
            if (c.right.column >= 0 || c.right.literal.typeId() != QMetaType::QString) syntax();
            c.pattern = JetPattern::compile(c.right.literal.toString());
            return c;
        }
        c.op = comparisonOperator();
        c.right = operand();
        return c;
    }

    Op comparisonOperator() {
        skipBlanks();
        static const std::pair<const char*, Op> ops[] = {
            {"<>", Op::NotEqual}, {"<=", Op::LessEqual}, {">=", Op::GreaterEqual},
            {"=", Op::Equal},     {"<", Op::Less},       {">", Op::Greater}};
        for (const auto& [spelling, op] : ops) {
            const QLatin1String s(spelling);
            if (QStringView(text_).mid(at_).startsWith(s)) {
                at_ += s.size();
                return op;
            }
        }
        syntax();
    }

    FindCriterion::Operand operand() {
        skipBlanks();
        if (at_ >= text_.size()) syntax();
        const QChar c = text_[at_];
        if (c == u'\'' || c == u'"') return {-1, quoted(c)};
        if (c.isDigit() || c == u'.' || c == u'-' || c == u'+') return {-1, number()};
        if (c == u'[') {
            const qsizetype close = text_.indexOf(u']', at_);
            if (close < 0) syntax();
            const QString name = text_.mid(at_ + 1, close - at_ - 1);
            at_ = close + 1;
            return {column(name), {}};
        }
        if (!isNameChar(c)) syntax();
        const qsizetype start = at_;
        while (at_ < text_.size() && isNameChar(text_[at_])) ++at_;
        return {column(text_.mid(start, at_ - start)), {}};
    }

    int column(const QString& name) const {
        for (int i = 0; i < columns_.size(); ++i)
            if (columns_[i].compare(name, Qt::CaseInsensitive) == 0) return i;
        throw Error(err::UnknownName,
                    QStringLiteral("数据库引擎不能识别 '%1' 作为有效的字段名或表达式。").arg(name));
    }

    QString quoted(QChar quote) {
        QString value;
        for (++at_; at_ < text_.size(); ++at_) {
            if (text_[at_] != quote) {
                value += text_[at_];
            } else if (at_ + 1 < text_.size() && text_[at_ + 1] == quote) {
                value += quote;  // a doubled quote stands for itself
                ++at_;
            } else {
                ++at_;
                return value;
            }
        }
        syntax();
    }

    QVariant number() {
        const qsizetype start = at_;
        if (text_[at_] == u'-' || text_[at_] == u'+') ++at_;
        while (at_ < text_.size() && (text_[at_].isDigit() || text_[at_] == u'.')) ++at_;
        const QString spelling = text_.mid(start, at_ - start);
        bool ok = false;
        const qlonglong whole = spelling.toLongLong(&ok);
        if (ok) return whole;
        const double real = spelling.toDouble(&ok);
        if (!ok) syntax();
        return real;
    }

    const QString& text_;
    const QStringList& columns_;
    qsizetype at_ = 0;
};

FindCriterion FindCriterion::parse(const QString& text, const QStringList& columns) {
    return CriterionParser(text, columns).parse();
}

bool FindCriterion::compare(const QVariant& a, Op op, const QVariant& b) {
    if (!a.isValid() || !b.isValid()) return false;
    int order = 0;
    const auto isNumber = [](const QVariant& v) {
        return v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Double;
    };
    if (a.typeId() == QMetaType::LongLong && b.typeId() == QMetaType::LongLong) {
        const qlonglong x = a.toLongLong(), y = b.toLongLong();
        order = x < y ? -1 : (x > y ? 1 : 0);
    } else if (isNumber(a) || isNumber(b)) {
        bool okA = false, okB = false;
        const double x = a.toDouble(&okA), y = b.toDouble(&okB);
        if (!okA || !okB) return false;  // a text that is no number meets nothing
        order = x < y ? -1 : (x > y ? 1 : 0);
    } else {
        order = a.toString().compare(b.toString(), Qt::CaseInsensitive);
    }
    switch (op) {
    case Op::Equal: return order == 0;
    case Op::NotEqual: return order != 0;
    case Op::Less: return order < 0;
    case Op::Greater: return order > 0;
    case Op::LessEqual: return order <= 0;
    case Op::GreaterEqual: return order >= 0;
    case Op::Like: break;
    }
    return false;
}

bool FindCriterion::matches(const std::function<QVariant(int)>& value) const {
    const auto valueOf = [&](const Operand& o) {
        return o.column >= 0 ? value(o.column) : o.literal;
    };
    for (const Comparison& term : terms_) {
        const QVariant left = valueOf(term.left);
        if (term.op == Op::Like) {
            if (!left.isValid()) return false;
            const QByteArray text = left.toString().toUtf8();
            if (!term.pattern->matches({text.constData(), std::size_t(text.size())})) return false;
        } else if (!compare(left, term.op, valueOf(term.right))) {
            return false;
        }
    }
    return true;
}

}  // namespace tolvane
