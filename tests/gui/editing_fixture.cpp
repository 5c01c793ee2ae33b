#include "editing_fixture.h"

#include "support/catalogues.h"

namespace tolvane::test {

void EditingTest::SetUp() { load(); }

QStringList EditingTest::table() {
    return queryTexts(
        cataloguePath(),
        "select coalesce(ID, '<Null>') || '|' || coalesce(name, '<Null>') || '|' || "
        "coalesce(class, '<Null>') || '|' || coalesce(libsclass, '<Null>') || '|' || "
        "coalesce(win95, '<Null>') || '|' || coalesce(winnt, '<Null>') || '|' || "
        "coalesce(explain, '<Null>') || '|' || coalesce(declare, '<Null>') || '|' || "
        "coalesce(CSharp, '<Null>') || '|' || coalesce(parameter, '<Null>') || '|' || "
        "coalesce(recode, '<Null>') || '|' || coalesce(returned, '<Null>') || '|' || "
        "coalesce(othername, '<Null>') || '|' || coalesce(other, '<Null>') "
        "from winfun order by ID");
}

QVariant EditingTest::stored(qlonglong id, const QString& column) {
    return value(QStringLiteral("select %1 from winfun where ID = %2").arg(column).arg(id));
}

qlonglong EditingTest::idOf(const QString& name) {
    const QVariant id = value(QStringLiteral("select ID from winfun where name = '%1'").arg(name));
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
