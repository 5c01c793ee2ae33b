#include "core/locate/open_catalogue.h"
#include "core/store/catalogue_builder.h"
#include "gui/detail_box.h"
#include "support/catalogues.h"
#include "support/window_fixture.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace tolvane;
using tolvane::test::WindowTest;
using tolvane::test::WindowUser;

TEST_F(WindowTest, StartUpFillsTheListsRunsNoSearchAndClosingReleasesTheCatalogue) {
    WindowUser& u = load(true);
    EXPECT_EQ(u.patternBox->currentText(), QStringLiteral("*"));
    EXPECT_EQ(u.patternBox->count(), 4);
    EXPECT_EQ(u.categoryFilter->count(), 18);
    EXPECT_EQ(u.categoryFilter->currentText(), QStringLiteral("所有分类"));
    EXPECT_EQ(u.categoryBox->currentText(), QStringLiteral("所有分类"));
    EXPECT_EQ(u.dllFilter->count(), 14);
    EXPECT_EQ(u.dllFilter->currentText(), QStringLiteral("所有库类"));
    EXPECT_EQ(u.entries().size(), 0);
    EXPECT_FALSE(u.searchDelay->isActive());
    EXPECT_EQ(u.shown(kIdBox), QStringLiteral("NotSet"));
    EXPECT_TRUE(u.formButtons[kVbForm]->isChecked());
    form->show();
    EXPECT_TRUE(test::heldOpen(cataloguePath()));
    form->close();
    EXPECT_FALSE(test::heldOpen(cataloguePath()));
    EXPECT_TRUE(dialogs.shown.empty());
}

// Esc anywhere stops a search and still reaches the control; a double-click
// on the background (not on a control) chooses the catalogue of the next
// start while the open one stays in use.
TEST_F(WindowTest, EscAndDoubleClickOnTheBackground) {
    WindowUser& u = load();
    form->show();
    form->setSearchFillSlice({});
    u.box(kExplanationBox).setText(QStringLiteral("abc"));
    // An Esc in a detail box during a search stops it.
    u.duringNextSearch([&u] { QTest::keyClick(u.box(kExplanationBox).widget(), Qt::Key_Escape); });
    u.search(QStringLiteral("*"));
    EXPECT_EQ(u.entries().size(), 1);
    EXPECT_EQ(u.statusLine->text(), QStringLiteral("Esc取消查询"));
    // Any other key does not.
    u.duringNextSearch([&u] { QTest::keyClick(u.box(kExplanationBox).widget(), Qt::Key_F); });
    u.search(QStringLiteral("*"));
    EXPECT_EQ(u.entries().size(), 49);

    const QString other = env.programDir + QStringLiteral("/other.mdb");
    dialogs.fileAnswers.push_back(test::ScriptedDialogs::choose(other));
    QTest::mouseDClick(form.get(), Qt::LeftButton, {}, QPoint(174, 300));
    EXPECT_EQ(settings.read(settingsAppName(QStringLiteral("varnel")), kCataloguePathEntry,
                            kCataloguePathEntry, {}),
              other);
    u.search(QStringLiteral("Sleep"));
    EXPECT_EQ(u.entries(), QStringList{"Sleep"});  // the open catalogue stays in use
    QTest::mouseDClick(form->findChild<QLabel*>(QStringLiteral("fieldLabel0")), Qt::LeftButton);
    EXPECT_EQ(dialogs.fileRequests.size(), 1u);
}

TEST_F(WindowTest, PasswordProtectedCatalogueOpensWithTheTypedPassword) {
    QFile::remove(cataloguePath());
    // The starter rows again, encrypted under a password.
    createCatalogue(cataloguePath(), QStringLiteral("s3cret"),
                    test::dataFile(QStringLiteral("schema.sql")) +
                        test::dataFile(QStringLiteral("starter.sql")));
    dialogs.inputs.push_back(QStringLiteral("s3cret"));
    WindowUser& u = load();
    EXPECT_EQ(dialogs.prompts, QStringList{QStringLiteral("密码:")});
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(u.dllFilter->count(), 14);
    u.search(QStringLiteral("Sleep"));
    EXPECT_EQ(u.entries(), QStringList{"Sleep"});
}
