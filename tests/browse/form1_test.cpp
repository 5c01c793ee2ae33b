#include "banner/advertise.h"
#include "browse/detail_box.h"
#include "browse/result_list.h"
#include "catalogue/open_mdb.h"
#include "platform/catalogue_builder.h"
#include "support/catalogues.h"
#include "support/form_fixture.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace tolvane;
using tolvane::test::FormTest;

namespace {

QRect twipsRect(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

}  // namespace

TEST_F(FormTest, StartUpFillsTheListsRunsNoSearchAndClosingReleasesTheCatalogue) {
    Form1& f = load();
    ASSERT_TRUE(f.Db);
    EXPECT_EQ(f.T->currentText(), QStringLiteral("*"));
    EXPECT_EQ(f.T->count(), 4);
    EXPECT_EQ(f.CoLei->count(), 18);
    EXPECT_EQ(f.CoLei->currentText(), QStringLiteral("所有分类"));
    EXPECT_EQ(f.CoOut->currentText(), QStringLiteral("所有分类"));
    EXPECT_EQ(f.CoDll->count(), 14);
    EXPECT_EQ(f.CoDll->currentText(), QStringLiteral("所有库类"));
    EXPECT_EQ(f.LItems->count(), 0);
    EXPECT_FALSE(f.Timer1->isActive());
    EXPECT_EQ(f.TOut[7]->text(), QStringLiteral("NotSet"));
    EXPECT_TRUE(f.Option1[0]->isChecked());
    f.show();
    f.close();
    EXPECT_FALSE(f.Db);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(FormTest, WithoutACatalogueTheWindowStillOpensEmpty) {
    QFile::remove(cataloguePath());
    QFile bad(cataloguePath());
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a catalogue at all");
    bad.close();
    Form1& f = load();
    EXPECT_FALSE(f.Db);
    EXPECT_TRUE(f.Loaded);
    EXPECT_EQ(f.T->count() + f.CoLei->count() + f.CoOut->count() + f.CoDll->count(), 0);
    ASSERT_EQ(dialogs.shown.size(), 1u);  // the open failure's description
    EXPECT_EQ(dialogs.shown[0].icon, Icon::Critical);
}

TEST_F(FormTest, ControlsSitAtTheirPlacesWithTheirTags) {
    Form1& f = load();
    EXPECT_EQ(f.size(), QSize(11475 / 15, 7590 / 15));
    EXPECT_EQ(f.TOut[3]->widget()->geometry(), twipsRect(3750, 2610, 7650, 1170));
    EXPECT_EQ(f.Advertise1->geometry(), twipsRect(9180, 0, 750, 600));
    EXPECT_EQ(f.Command5->text(), QStringLiteral("在所有信息中找"));
    const char* tags[] = {"name", "libsclass", "explain", "declare", "parameter", "recode", "returned", "ID"};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(f.TOut[i]->tag(), QString::fromLatin1(tags[i])) << i;
}

// Esc anywhere raises the cancel flag and still reaches the control; a
// double-click on the background (not on a control) chooses the catalogue of
// the next start while the open one stays in use.
TEST_F(FormTest, EscAndDoubleClickOnTheBackground) {
    Form1& f = load();
    f.show();
    f.CancelSearch = false;
    f.TOut[2]->setText(QStringLiteral("abc"));
    QTest::keyClick(f.TOut[2]->widget(), Qt::Key_Escape);
    EXPECT_TRUE(f.CancelSearch);
    f.CancelSearch = false;
    QTest::keyClick(f.TOut[2]->widget(), Qt::Key_F);
    EXPECT_FALSE(f.CancelSearch);

    const QString other = env.programDir + QStringLiteral("/other.mdb");
    dialogs.fileAnswers.push_back(test::ScriptedDialogs::choose(other));
    QTest::mouseDClick(&f, Qt::LeftButton, {}, QPoint(174, 300));
    EXPECT_EQ(settings.read(settingsAppName(QStringLiteral("varnel")), kCataloguePathEntry, kCataloguePathEntry, {}),
              other);
    EXPECT_TRUE(f.Db);
    QTest::mouseDClick(f.Lab[0], Qt::LeftButton);
    EXPECT_EQ(dialogs.fileRequests.size(), 1u);
}

TEST_F(FormTest, PasswordProtectedCatalogueOpensWithTheTypedPassword) {
    QFile::remove(cataloguePath());
    // The starter rows again, encrypted under a password.
    createCatalogue(cataloguePath(), QStringLiteral("s3cret"),
                    test::dataFile(QStringLiteral("schema.sql")) + test::dataFile(QStringLiteral("starter.sql")));
    dialogs.inputs.push_back(QStringLiteral("s3cret"));
    Form1& f = load();
    ASSERT_TRUE(f.Db);
    EXPECT_EQ(dialogs.prompts, QStringList{QStringLiteral("密码:")});
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(f.CoDll->count(), 14);
}
