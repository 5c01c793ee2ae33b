#include "core/lookup/search_query.h"

#include "core/store/vocabulary.h"

#include <QStringList>

#include <algorithm>

namespace tolvane {

namespace {

// The columns the full-text search looks in, in the order it names them.
const char* const kSearchableColumns[] = {"name",      "class",     "declare", "recode",
                                          "othername", "libsclass", "win95",   "winnt",
                                          "explain",   "returned",  "other",   "parameter"};

// `column LIKE '*pattern*'`, the pattern quoted.
QString containsCondition(const QString& column, const QString& pattern) {
    return column + QStringLiteral(" LIKE ") +
           sqlTextLiteral(QLatin1Char('*') + pattern + QLatin1Char('*'));
}

}  // namespace

QString sqlTextLiteral(const QString& text) {
    QString doubled = text;
    doubled.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}

QString SearchStatement::text() const { return select + QStringLiteral(" WHERE ") + condition; }

QString SearchStatement::idPart(const QVariant& first, const std::optional<QVariant>& last) const {
    QString sql = select + QStringLiteral(" WHERE (") + condition + QStringLiteral(") AND ID>=") +
                  sqlIdLiteral(first);
    if (last) sql += QStringLiteral(" AND ID<=") + sqlIdLiteral(*last);
    return sql;
}

QString SearchStatement::nullIdPart() const {
    return select + QStringLiteral(" WHERE (") + condition + QStringLiteral(") AND ID IS NULL");
}

QString firstIdAfterQuery(const std::optional<QVariant>& after) {
    const QString where =
        after ? QStringLiteral("ID>") + sqlIdLiteral(*after) : QStringLiteral("ID IS NOT NULL");
    return QStringLiteral("SELECT ID AS v FROM winfun WHERE ") + where +
           QStringLiteral(" ORDER BY ID LIMIT 1");
}

QString partEndQuery(const QVariant& first, qlonglong rows) {
    return QStringLiteral("SELECT ID AS v FROM winfun WHERE ID>=") + sqlIdLiteral(first) +
           QStringLiteral(" ORDER BY ID LIMIT 1 OFFSET ") +
           QString::number(std::max<qlonglong>(rows - 1, 0));
}

QString sqlIdLiteral(const QVariant& id) {
    const auto hex = [](const QByteArray& bytes) {
        return QStringLiteral("X'") + QString::fromLatin1(bytes.toHex()) + QLatin1Char('\'');
    };
    if (!id.isValid() || id.isNull()) return QStringLiteral("NULL");
    switch (id.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int: return QString::number(id.toLongLong());
    case QMetaType::Double: {
        const double value = id.toDouble();
        // SQLite reads a literal beyond the largest double as infinity.
        if (std::isinf(value))
            return value > 0 ? QStringLiteral("9e999") : QStringLiteral("-9e999");
        return QString::number(value, 'g', 17);
    }
    case QMetaType::QByteArray: return hex(id.toByteArray());
    default: {
        const QString text = id.toString();
        if (text.contains(QChar(0)))
            return QStringLiteral("CAST(") + hex(text.toUtf8()) + QStringLiteral(" AS TEXT)");
        return sqlTextLiteral(text);
    }
    }
}

SearchStatement nameSearchQuery(const QString& pattern, int categoryPosition, int dllPosition,
                                const QString& dllText) {
    QString condition = containsCondition(QStringLiteral("name"), pattern);
    if (const auto cls = filterClass(categoryPosition))
        condition += QStringLiteral(" and class=") + QString::number(*cls);
    if (dllPosition != kAllLibrariesPosition)
        condition += QStringLiteral(" and libsclass=") + sqlTextLiteral(dllText);
    return {QStringLiteral("SELECT name,ID FROM winfun"), condition};
}

SearchStatement fullTextQuery(const QString& pattern, const OptionalColumns& columns) {
    QStringList conditions;
    for (const char* column : kSearchableColumns)
        conditions << containsCondition(QLatin1String(column), pattern);
    if (columns.vba64) conditions << containsCondition(kVba64Column, pattern);
    return {QStringLiteral("SELECT * FROM winfun"), conditions.join(QStringLiteral(" OR "))};
}

QString recordQuery(qlonglong id) {
    return QStringLiteral("select * from winfun where ID =") + QString::number(id);
}

NavigationPlan navigationPlan(int button, const QString& idOnView) {
    using Move = NavigationPlan::Move;
    const QString ascending = QStringLiteral("select ID from winfun order by ID");
    if (button == 0) return {ascending + QStringLiteral(" limit 1"), false, Move::First};
    if (button == 3) return {ascending + QStringLiteral(" desc limit 1"), false, Move::Last};
    const bool next = button == 2;
    bool isNumber = false;
    const qlonglong id = idOnView.toLongLong(&isNumber);
    if (!isNumber)
        return {ascending + QStringLiteral(" limit 2"), true, next ? Move::Next : Move::Previous};
    const QString neighbour =
        next ? QStringLiteral("select ID from winfun where ID>%1 order by ID limit 1")
             : QStringLiteral("select ID from winfun where ID<%1 order by ID desc limit 1");
    return {neighbour.arg(id), false, Move::First};
}

QString searchingText() { return QStringLiteral("Esc取消查询"); }

QString countText(qsizetype count) {
    return QStringLiteral("找到 ") + QString::number(count) + QStringLiteral(" 个相关函数.");
}

QString cutShortText(qsizetype count) {
    return QStringLiteral("查询出错而中止，已列出 ") + QString::number(count) +
           QStringLiteral(" 个.");
}

QString skippedIdsText(qint64 count) {
    return QStringLiteral("有 ") + QString::number(count) +
           QStringLiteral(" 条符合条件的记录的 ID 不是整数，无法显示，未列出。");
}

QString positionText(const QString& name, qsizetype row, qsizetype count) {
    return name + QLatin1Char(' ') + QString::number(row + 1) + QLatin1Char('/') +
           QString::number(count);
}

}  // namespace tolvane
