#include "core/store/record.h"

namespace tolvane {

const char* columnName(Column column) {
    static const char* const names[kColumnCount] = {
        "ID",     "name",      "class",  "libsclass", "win95",     "winnt", "explain", "declare",
        "CSharp", "parameter", "recode", "returned",  "othername", "other", "vba64"};
    return names[static_cast<int>(column)];
}

QString Record::text(Column c) const {
    const QVariant& v = value(c);
    return v.isValid() && !v.isNull() ? v.toString() : QString();
}

std::optional<qint64> Record::id() const { return wholeNumber(value(Column::Id)); }

ColumnSet Record::partColumns() const {
    ColumnSet part;
    for (int c = 0; c < kColumnCount; ++c)
        if (partBytes(Column(c)) != 0 && !editedStart(Column(c))) part.add(Column(c));
    return part;
}

ColumnSet differingColumns(const Record& a, const Record& b, const ColumnSet& among) {
    ColumnSet differing;
    for (int c = 0; c < kColumnCount; ++c) {
        const Column column = Column(c);
        const QVariant& x = a.value(column);
        const QVariant& y = b.value(column);
        if (among.has(column) &&
            (x.typeId() != y.typeId() || a.parts_[a.index(column)] != b.parts_[b.index(column)] ||
             x != y))
            differing.add(column);
    }
    return differing;
}

std::optional<qint64> wholeNumber(const QVariant& id) {
    switch (id.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int: return id.toLongLong();
    case QMetaType::Double: {
        // Only a real that names a 64-bit integer exactly.
        const double d = id.toDouble();
        if (d >= -9223372036854775808.0 && d < 9223372036854775808.0 &&
            d == static_cast<double>(static_cast<qint64>(d)))
            return static_cast<qint64>(d);
        return std::nullopt;
    }
    case QMetaType::QString: {
        // A key column of text affinity stores whole numbers as text; only
        // the canonical spelling finds the row again by "ID = n".
        const QString text = id.toString();
        bool ok = false;
        const qint64 n = text.toLongLong(&ok);
        if (ok && QString::number(n) == text) return n;
        return std::nullopt;
    }
    default: return std::nullopt;
    }
}

}  // namespace tolvane
