#include "support/window_user.h"

#include "gui/record_panel.h"
#include "gui/search_panel.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace tolvane::test {

namespace {

// Types `text` key by key; characters without a key of their own (Chinese,
// say) arrive as a key event that carries the character, as from an input
// method.
void typeText(QWidget* w, const QString& text) {
    for (const QChar ch : text) {
        if (ch.unicode() >= 0x20 && ch.unicode() < 0x7f)
            QTest::keyClick(w, static_cast<char>(ch.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

template <typename W>
W* find(const QWidget& window, const char* name) {
    W* found = window.findChild<W*>(QLatin1String(name));
    if (!found) throw std::runtime_error(std::string("no control named ") + name);
    return found;
}

const char* const kBoxNames[kDetailBoxCount] = {"nameBox",        "dllBox",        "explanationBox",
                                                "declarationBox", "parametersBox", "sampleCodeBox",
                                                "returnValueBox", "idBox"};

}  // namespace

WindowUser::WindowUser(QWidget& w, bool realDelay)
    : window(w),
      patternBox(find<QComboBox>(w, "patternBox")),
      categoryFilter(find<QComboBox>(w, "categoryFilter")),
      dllFilter(find<QComboBox>(w, "dllFilter")),
      fullTextButton(find<QPushButton>(w, "fullTextButton")),
      resultList(find<QListView>(w, "resultList")),
      statusLine(find<QLabel>(w, "statusLine")),
      categoryBox(find<QComboBox>(w, "categoryBox")),
      win95Check(find<QCheckBox>(w, "win95Check")),
      winntCheck(find<QCheckBox>(w, "winntCheck")),
      navigationButtons{find<QPushButton>(w, "firstButton"), find<QPushButton>(w, "previousButton"),
                        find<QPushButton>(w, "nextButton"), find<QPushButton>(w, "lastButton")},
      formButtons{find<QRadioButton>(w, "vbFormButton"), find<QRadioButton>(w, "csharpFormButton"),
                  find<QRadioButton>(w, "vba64FormButton")},
      addButton(find<QPushButton>(w, "addButton")),
      saveButton(find<QPushButton>(w, "saveButton")),
      deleteButton(find<QPushButton>(w, "deleteButton")),
      copyButton(find<QPushButton>(w, "copyButton")),
      zoomButton(find<QPushButton>(w, "zoomButton")),
      searchDelay(find<QTimer>(w, "searchDelay")),
      searchPanel(find<SearchPanel>(w, "searchPanel")),
      recordPanel(find<RecordPanel>(w, "recordPanel")) {
    if (!realDelay) searchDelay->setInterval(0);
}

DetailBox& WindowUser::box(int field) const {
    auto* box = dynamic_cast<DetailBox*>(find<QWidget>(window, kBoxNames[field]));
    if (!box) throw std::runtime_error("not a detail box");
    return *box;
}

QString WindowUser::shown(int field) const {
    QWidget* w = box(field).widget();
    if (auto* line = qobject_cast<QLineEdit*>(w)) return line->text();
    return static_cast<QPlainTextEdit*>(w)->toPlainText();
}

QStringList WindowUser::entries() const {
    QStringList out;
    const QAbstractItemModel* model = resultList->model();
    for (int i = 0; i < model->rowCount(); ++i) out << model->index(i, 0).data().toString();
    return out;
}

QStringList WindowUser::sortedEntries() const {
    QStringList out = entries();
    std::sort(out.begin(), out.end());
    return out;
}

int WindowUser::currentEntry() const { return resultList->currentIndex().row(); }

void WindowUser::typePattern(const QString& text) {
    QLineEdit* edit = patternBox->lineEdit();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    typeText(edit, text);
}

void WindowUser::search(const QString& text) {
    typePattern(text);
    waitForSearch();
}

void WindowUser::waitForSearch() {
    if (searchDelay->isActive()) {
        QSignalSpy ticks(searchDelay, &QTimer::timeout);
        EXPECT_TRUE(ticks.wait(5000)) << "the delayed search did not run";
    }
    waitUntilIdle();
}

void WindowUser::waitUntilIdle() {
    EXPECT_TRUE(QTest::qWaitFor([this] { return !searchPanel->searching(); }, 20000))
        << "the search did not end";
}

void WindowUser::pick(QComboBox* box, int position) {
    box->showPopup();
    QAbstractItemView* list = box->view();
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < position; ++i) QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    waitUntilIdle();
}

void WindowUser::clickEntry(int row) {
    const QModelIndex index = resultList->model()->index(row, 0);
    // Near the entry's left end, which is in view even for a long name. A
    // long list is laid out in batches while the event loop runs.
    const auto target = [&] {
        const QRect r = resultList->visualRect(index);
        return QPoint(r.left() + 4, r.center().y());
    };
    EXPECT_TRUE(QTest::qWaitFor([&] {
        resultList->scrollTo(index);
        return resultList->viewport()->rect().contains(target());
    }));
    QTest::mouseClick(resultList->viewport(), Qt::LeftButton, {}, target());
}

QStringList WindowUser::searchAll(const QString& text) {
    typePattern(text);
    click(fullTextButton);
    waitUntilIdle();
    return sortedEntries();
}

void WindowUser::showByName(const QString& name) {
    search(name);
    const int row = static_cast<int>(entries().indexOf(name));
    if (row < 0) throw std::runtime_error("no entry named " + name.toStdString());
    clickEntry(row);
}

void WindowUser::typeInto(int field, const QString& text) {
    QWidget* w = box(field).widget();
    QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(w, Qt::Key_Delete);
    QString lf = text;
    lf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QStringList lines = lf.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) QTest::keyClick(w, Qt::Key_Return);
        typeText(w, lines[i]);
    }
}

void WindowUser::focus(int field) {
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(box(field).widget(), &focusIn);
}

void WindowUser::click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

// A search empties the list once it has read its first part, then looks at
// the input; the action is queued from there.
void WindowUser::duringNextSearch(std::function<void()> action) {
    QObject::connect(
        resultList->model(), &QAbstractItemModel::modelReset, &window,
        [this, action = std::move(action)] { QTimer::singleShot(0, &window, action); },
        Qt::SingleShotConnection);
}

void WindowUser::pressEsc() { QTest::keyClick(patternBox->lineEdit(), Qt::Key_Escape); }

}  // namespace tolvane::test
