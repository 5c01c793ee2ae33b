#include "core/locate/open_catalogue.h"
#include "core/store/catalogue_builder.h"
#include "core/system/version.h"
#include "gui/contrast.h"
#include "gui/detail_box.h"
#include "gui/qt_dialogs.h"
#include "support/catalogues.h"
#include "support/window_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QInputDialog>
#include <QTest>

#include <utility>

using namespace tolvane;
using tolvane::test::WindowTest;
using tolvane::test::WindowUser;

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

// Start-up fills the lists and runs no search; then the keys desktop users
// expect, from wherever the focus is; closing releases the catalogue.
TEST_F(WindowTest, StartUpThenShortcutsFindSaveHelpAndClose) {
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
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(test::heldOpen(cataloguePath()));

    QApplication::setActiveWindow(form.get());
    u.showByName(QStringLiteral("Sleep"));
    QWidget* explanation = u.box(kExplanationBox).widget();
    explanation->setFocus();
    u.click(u.zoomButton);  // enlarged over the pattern box
    for (Qt::Key key : {Qt::Key_F, Qt::Key_L}) {
        QTest::keyClick(form->focusWidget(), key, Qt::ControlModifier);
        EXPECT_EQ(form->focusWidget(), u.patternBox);
        EXPECT_EQ(u.patternBox->lineEdit()->selectedText(), QStringLiteral("Sleep"));
        EXPECT_EQ(u.zoomButton->text(), QStringLiteral("放大"));
        explanation->setFocus();
    }
    QTest::keyClicks(explanation, QStringLiteral("!"));
    dialogs.answers.push_back(Answer::Yes);
    QTest::keyClick(explanation, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogs.texts(), (QStringList{QStringLiteral("确实要更改数据库信息吗?"),
                                            QStringLiteral("修改成功!")}));
    EXPECT_TRUE(value("SELECT explain FROM winfun WHERE name = 'Sleep'").toString().contains('!'));

    dialogs.shown.clear();
    QTest::keyClick(explanation, Qt::Key_F1);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.contains(programVersion()));
    EXPECT_TRUE(dialogs.shown[0].text.contains(QStringLiteral("[!abc]")));

    // Closing takes the close button's way: edits are asked about first.
    QTest::keyClicks(explanation, QStringLiteral("?"));
    dialogs.answers.push_back(Answer::Cancel);
    QTest::keyClick(explanation, Qt::Key_W, Qt::ControlModifier);
    EXPECT_TRUE(form->isVisible());
    dialogs.answers.push_back(Answer::No);
    QTest::keyClick(explanation, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(test::heldOpen(cataloguePath()));
}

// The password box of the real dialogs shows no typed character.
TEST(QtDialogsTest, ThePasswordIsTypedMasked) {
    QtDialogs dialogs;
    QLineEdit::EchoMode echo = QLineEdit::Normal;
    QTimer::singleShot(0, [&echo] {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        auto* line = box->findChild<QLineEdit*>();
        echo = line->echoMode();
        QTest::keyClicks(line, QStringLiteral("s3cret"));
        QTest::keyClick(line, Qt::Key_Return);
    });
    EXPECT_EQ(dialogs.inputBox(QStringLiteral("密码:")), QStringLiteral("s3cret"));
    EXPECT_EQ(echo, QLineEdit::Password);
}

// In a light palette and in a dark one chosen while the window is open, text
// reads at least 4.5:1 on the fixed pink and grey backgrounds, and the
// status line's blue on the window;
// the status line and the form buttons use the window's font whole; no entry
// is cut short in a drop-down; every control has a name a screen reader says.
TEST_F(WindowTest, ReadableAndNamedInLightAndDarkPalettes) {
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Window, QColor(45, 45, 45));
    dark.setColor(QPalette::WindowText, QColor(235, 235, 235));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(235, 235, 235));
    WindowUser& u = load();
    for (const QPalette& palette : {light, dark}) {
        QApplication::setPalette(palette);
        QCoreApplication::processEvents();  // the palette reaches the widgets
        const std::pair<QWidget*, QColor> fixed[] = {
            {u.patternBox, QColor(255, 192, 255)},
            {u.box(kDllBox).widget(), QColor(212, 208, 200)},
            {u.box(kIdBox).widget(), QColor(212, 208, 200)}};
        for (const auto& [control, background] : fixed) {
            const QPalette& p = control->palette();
            EXPECT_EQ(p.color(QPalette::Base), background);
            EXPECT_GE(contrastRatio(p.color(QPalette::Base), p.color(QPalette::Text)), 4.5)
                << control->objectName().toStdString();
        }
        const QPalette& status = u.statusLine->palette();
        EXPECT_GE(contrastRatio(status.color(QPalette::Window), status.color(QPalette::WindowText)),
                  4.5);
    }
    QApplication::setPalette(light);
    QCoreApplication::processEvents();

    EXPECT_EQ(u.statusLine->font(), form->font());
    EXPECT_LE(u.statusLine->fontMetrics().height(), u.statusLine->height());
    EXPECT_EQ(u.formButtons[kVba64Form]->font(), form->font());
    EXPECT_LE(u.formButtons[kVba64Form]->sizeHint().width(), u.formButtons[kVba64Form]->width());
    for (QComboBox* list : {u.categoryFilter, u.dllFilter, u.categoryBox}) {
        list->showPopup();
        EXPECT_LE(list->view()->sizeHintForColumn(0), list->view()->viewport()->width())
            << list->objectName().toStdString();
        list->hidePopup();
    }

    for (QWidget* control : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->focusPolicy() == Qt::NoFocus || !control->isVisible()) continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(accessible, nullptr);
        EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty())
            << control->objectName().toStdString();
    }
    const std::pair<QWidget*, const char*> named[] = {
        {u.box(kNameBox).widget(), "名称"},        {u.box(kDllBox).widget(), "DLL文件"},
        {u.box(kExplanationBox).widget(), "说明"}, {u.patternBox->lineEdit(), "函数名"},
        {u.navigationButtons[0], "第一条"},        {u.navigationButtons[1], "上一条"},
        {u.navigationButtons[2], "下一条"},        {u.navigationButtons[3], "最后一条"}};
    for (const auto& [control, name] : named) {
        EXPECT_EQ(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name),
                  QString::fromUtf8(name));
    }
    for (QPushButton* button : u.navigationButtons) EXPECT_FALSE(button->toolTip().isEmpty());
}
