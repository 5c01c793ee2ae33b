#include "editing_fixture.h"

#include "core/store/sqlite_engine.h"

namespace tolvane::test {

void EditingTest::SetUp() { load(); }

QStringList EditingTest::table() {
    static const QStringList columns = {"ID",     "name",     "class",     "libsclass", "win95",
                                        "winnt",  "explain",  "declare",   "CSharp",    "parameter",
                                        "recode", "returned", "othername", "other"};
    QStringList rows;
    auto db = SqliteEngine().openDatabase(
        cataloguePath());  // a second connection, as the window may have none
    auto rs = db->openRecordset(QStringLiteral("select * from winfun order by ID"));
    for (; !rs->eof(); rs->moveNext()) {
        QStringList values;
        for (const QString& column : columns) {
            const QVariant v = rs->field(column);
            values << (v.isValid() ? v.toString() : QStringLiteral("<Null>"));
        }
        rows << values.join(QLatin1Char('|'));
    }
    return rows;
}

QVariant EditingTest::stored(qlonglong id, const QString& column) {
    return value(QStringLiteral("select %1 as v from winfun where ID =%2").arg(column).arg(id));
}

qlonglong EditingTest::idOf(const QString& name) {
    const QVariant id =
        value(QStringLiteral("select ID as v from winfun where name ='%1'").arg(name));
    return id.isValid() ? id.toLongLong() : -1;
}

void EditingTest::onView(const QString& name, const QStringList& texts) {
    show(name);
    for (int i = 0; i < texts.size(); ++i) user->typeInto(i, texts[i]);
}

void EditingTest::click(QPushButton* button, Answer a) {
    dialogs.shown.clear();
    dialogs.answers.push_back(a);
    user->click(button);
}

}  // namespace tolvane::test
