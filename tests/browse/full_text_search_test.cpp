#include "browse/detail_box.h"
#include "browse/search_window.h"
#include "support/form_fixture.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>

using namespace tolvane;
using namespace tolvane::test;

namespace {

class FullTextSearchTest : public FormTest {
protected:
    QStringList searchAll(const QString& pattern) {
        form->T->setEditText(pattern);
        form->Command5_Click();
        return sortedEntries(*form);
    }
};

}  // namespace

TEST_F(FullTextSearchTest, FindsTextInEverySearchableColumnThatTheNameSearchMisses) {
    Form1& f = load();
    const struct {
        const char* pattern;
        const char* where;
        QStringList names;
    } cases[] = {
        {"CreateFileW", "othername", {"CreateFile"}},
        {"NetApiBufferFree", "other", {"NetUserGetInfo"}},
        {"暂停半秒", "recode", {"Sleep"}},
        {"线程挂起", "explain", {"Sleep"}},
        {"16", "class", {"CloseHandle", "ImmGetContext", "RegCloseKey", "RegOpenKeyEx"}},
        {"*lpFileName*hTemplateFile", "parameter", {"CreateFile"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(searchAll(QString::fromUtf8(c.pattern)), c.names) << c.where;
        searchFor(f, QString::fromUtf8(c.pattern));
        EXPECT_EQ(f.LItems->count(), 0) << c.where;
    }
    // C# declarations are not searched.
    EXPECT_EQ(searchAll(QStringLiteral("static extern")), QStringList());
}

TEST_F(FullTextSearchTest, IgnoresTheFiltersAndLeavesStatusSelectionAndViewAlone) {
    Form1& f = load();
    searchFor(f, QStringLiteral("Sleep"));
    pick(f.CoLei, 0);
    pick(f.CoDll, 10);
    const QString status = f.St->text();
    EXPECT_EQ(searchAll(QStringLiteral("es")).size(), 49);  // "Yes" in every winnt
    EXPECT_EQ(f.St->text(), status);
    EXPECT_FALSE(f.L->currentIndex().isValid());
    EXPECT_EQ(f.TOut[0]->text(), QStringLiteral("Sleep"));
}

TEST_F(FullTextSearchTest, EmptyPatternListsEveryRecordWithAValueNullNamesAsEmptyEntries) {
    sql(QStringLiteral("INSERT INTO winfun (ID, name, explain) VALUES (200, NULL, 'x'), (201, 'O''Brien', NULL)"));
    sql(QStringLiteral("INSERT INTO winfun (ID) VALUES (202)"));
    Form1& f = load();
    EXPECT_EQ(searchAll(QString()).size(), 51);
    const QStringList names = entries(f);
    const int nameless = static_cast<int>(names.indexOf(QString()));
    ASSERT_GE(nameless, 0);
    EXPECT_EQ(f.LItems->itemData(nameless), 200);
    EXPECT_EQ(f.LItems->itemData(nameless + 1), 201);
    EXPECT_EQ(searchAll(QStringLiteral("o'b")), QStringList{"O'Brien"});
}

TEST_F(FullTextSearchTest, EscStopsTheFillWithTheRowsListedSoFar) {
    Form1& f = load();
    f.FillSlice = {};
    QCoreApplication::postEvent(f.T->lineEdit(),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    EXPECT_EQ(searchAll(QStringLiteral("es")).size(), 1);
}

TEST_F(FullTextSearchTest, ARejectedQueryListsNothingAndSaysNothing) {
    Form1& f = load();
    searchAll(QStringLiteral("Sleep"));
    EXPECT_EQ(searchAll(QStringLiteral("[z-a]")), QStringList());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(f.St->text(), QString());
}
