// The 64-bit VBA form in the window, as a user works it: the third form
// button, the column it shows, copies and saves, a catalogue made before
// the column existed, and the choice remembered across starts.
#include "core/store/catalogue_builder.h"
#include "gui/output_form_setting.h"
#include "gui/record_panel.h"
#include "support/catalogues.h"
#include "support/window_fixture.h"

using namespace tolvane;
using tolvane::test::WindowTest;
using tolvane::test::WindowUser;

namespace {

QString q(const char* s) { return QString::fromUtf8(s); }

const QString kVba64 = q("Declare PtrSafe Function GetTickCount Lib \"kernel32\" () As Long");
const QString kApp = QStringLiteral("QMWX_varnel");

class Vba64FormTest : public WindowTest {
protected:
    QString remembered() const {
        return settings.entries.value(kApp + '/' + kOutputFormEntry + '/' + kOutputFormEntry);
    }
    QVariant stored(const QString& name, const QString& column) {
        return value(QStringLiteral("select %1 from winfun where name = '%2'").arg(column, name));
    }
    // Closes the window and starts the program again on the same settings.
    WindowUser& restart() {
        user.reset();
        form->close();
        form.reset();
        return load();
    }
    // Answers the next question Yes and clicks.
    void confirm(QAbstractButton* button) {
        dialogs.answers.push_back(Answer::Yes);
        user->click(button);
    }
};

}  // namespace

TEST_F(Vba64FormTest, SwitchingShowsEachFormsColumnAndCopyAndSaveUseTheVba64Column) {
    sql(QStringLiteral("update winfun set vba64='%1' where name='GetTickCount'").arg(kVba64));
    WindowUser& u = load();
    u.showByName(q("GetTickCount"));
    const QString vb = stored(q("GetTickCount"), q("declare")).toString();
    const QString cs = stored(q("GetTickCount"), q("CSharp")).toString();
    u.click(u.formButtons[kCSharpForm]);
    EXPECT_EQ(u.box(kDeclarationBox).text(), cs);
    u.click(u.formButtons[kVba64Form]);
    EXPECT_EQ(u.recordPanel->form(), OutputForm::Vba64);
    EXPECT_EQ(u.box(kDeclarationBox).text(), kVba64);

    // The copy makes it private as VB's.
    u.click(u.copyButton);
    EXPECT_EQ(clipboard.text, q("Private ") + kVba64 + q("\r\n"));

    // A record with no 64-bit VBA form shows an empty box in that form.
    u.showByName(q("Sleep"));
    EXPECT_EQ(u.box(kDeclarationBox).text(), QString());
    u.showByName(q("GetTickCount"));

    // The save writes the box into vba64 alone.
    const QString edited =
        q("Declare PtrSafe Function GetTickCount Lib \"kernel32\" () As Long\r\n' 已改");
    u.typeInto(kDeclarationBox, edited);
    confirm(u.saveButton);
    EXPECT_EQ(dialogs.texts().last(), q("修改成功!"));
    EXPECT_EQ(stored(q("GetTickCount"), q("vba64")).toString(), edited);
    EXPECT_EQ(stored(q("GetTickCount"), q("declare")).toString(), vb);
    EXPECT_EQ(stored(q("GetTickCount"), q("CSharp")).toString(), cs);

    // The full-text search looks in the column too.
    EXPECT_EQ(u.searchAll(q("已改")), QStringList{q("GetTickCount")});
}

// A catalogue made before the column existed: the form is not offered, even
// when it was the last one chosen, and no change adds the column.
TEST_F(Vba64FormTest, ACatalogueWithoutTheColumnOffersNoVba64AndNeverGetsIt) {
    createCatalogue(cataloguePath(), QString(),
                    test::schemaWithoutVba64() + test::dataFile(QStringLiteral("starter.sql")));
    settings.write(kApp, kOutputFormEntry, kOutputFormEntry, q("vba64"));
    WindowUser& u = load();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(u.formButtons[kVba64Form]->isEnabled());
    EXPECT_EQ(u.formButtons[kVba64Form]->toolTip(),
              q("此目录数据库没有 vba64 列，无 64 位 VBA 声明"));
    EXPECT_TRUE(u.formButtons[kVbForm]->isChecked());
    EXPECT_EQ(u.recordPanel->form(), OutputForm::VB);
    u.showByName(q("Sleep"));
    u.click(u.formButtons[kVba64Form]);
    EXPECT_FALSE(u.formButtons[kVba64Form]->isChecked());
    EXPECT_EQ(u.recordPanel->form(), OutputForm::VB);

    // Searching, saving and adding work as before.
    EXPECT_TRUE(u.searchAll(q("Sleep")).contains(q("Sleep")));
    u.showByName(q("Sleep"));
    u.typeInto(kExplanationBox, q("改过"));
    confirm(u.saveButton);
    EXPECT_EQ(dialogs.texts().last(), q("修改成功!"));
    EXPECT_EQ(stored(q("Sleep"), q("explain")).toString(), q("改过"));
    confirm(u.addButton);
    EXPECT_EQ(dialogs.texts().size(), 3);  // the two questions and the save's success
    EXPECT_FALSE(
        test::queryTexts(cataloguePath(), "select sql from sqlite_master where name = 'winfun'")
            .front()
            .contains("vba64"));
    // The remembered choice waits for a catalogue that has the column.
    EXPECT_EQ(remembered(), q("vba64"));
}

TEST_F(Vba64FormTest, TheChosenFormIsRememberedAcrossARestart) {
    WindowUser& u = load();
    EXPECT_EQ(remembered(), QString());
    u.click(u.formButtons[kCSharpForm]);
    EXPECT_EQ(remembered(), q("CSharp"));
    WindowUser& again = restart();
    EXPECT_TRUE(again.formButtons[kCSharpForm]->isChecked());
    again.showByName(q("Sleep"));
    EXPECT_EQ(again.box(kDeclarationBox).text(), stored(q("Sleep"), q("CSharp")).toString());

    again.click(again.formButtons[kVba64Form]);
    EXPECT_EQ(remembered(), q("vba64"));
    WindowUser& third = restart();
    EXPECT_TRUE(third.formButtons[kVba64Form]->isChecked());
    EXPECT_EQ(third.recordPanel->form(), OutputForm::Vba64);

    // An entry that names no form gives VB.
    settings.write(kApp, kOutputFormEntry, kOutputFormEntry, q("Fortran"));
    WindowUser& fourth = restart();
    EXPECT_TRUE(fourth.formButtons[kVbForm]->isChecked());
    EXPECT_EQ(fourth.recordPanel->form(), OutputForm::VB);
}
