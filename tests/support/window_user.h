#pragma once

// The main window as a user works it: controls found by their object names,
// text typed with key events, entries and buttons clicked with the mouse,
// and what the screen shows read back. The controls' headers come with it.

#include "gui/detail_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <array>
#include <functional>
#include <ostream>

// Readable names in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace tolvane {
class RecordPanel;
class SearchPanel;
}  // namespace tolvane

namespace tolvane::test {

class WindowUser {
public:
    // Finds every control of `window`; a missing one fails the test. The
    // search delay is made instant unless `realDelay`, so that a typed
    // pattern is searched at the next turn of the event loop.
    explicit WindowUser(QWidget& window, bool realDelay = false);

    QWidget& window;
    QComboBox* patternBox;
    QComboBox* categoryFilter;
    QComboBox* dllFilter;
    QPushButton* fullTextButton;
    QListView* resultList;
    QLabel* statusLine;
    QComboBox* categoryBox;
    QCheckBox* win95Check;
    QCheckBox* winntCheck;
    std::array<QPushButton*, 4> navigationButtons;  // first, previous, next, last
    std::array<QRadioButton*, 3> formButtons;       // VB, C#, VBA64
    QPushButton* addButton;
    QPushButton* saveButton;
    QPushButton* deleteButton;
    QPushButton* copyButton;
    QPushButton* zoomButton;
    QTimer* searchDelay;
    SearchPanel* searchPanel;
    RecordPanel* recordPanel;

    // A detail box by its field (kNameBox ... kIdBox).
    DetailBox& box(int field) const;
    // What the box shows (line breaks as the screen has them).
    QString shown(int field) const;

    // The result list's entries as shown, in list order, and sorted.
    QStringList entries() const;
    QStringList sortedEntries() const;
    int currentEntry() const;  // -1 when none

    // Replaces the pattern box's text by typing `text` (Ctrl+A, Delete,
    // then one key per character); the search delay starts.
    void typePattern(const QString& text);
    // Types `text` and waits for the delayed search to run.
    void search(const QString& text);
    // Waits for the search delay to run its search, and for the search to end.
    void waitForSearch();
    // Waits for a running search to end.
    void waitUntilIdle();
    // Picks entry `position` of a drop-down list as with the keyboard in
    // its open list: one choice, one activation; waits for a search the
    // pick starts.
    void pick(QComboBox* box, int position);
    // Clicks entry `row` of the result list with the mouse.
    void clickEntry(int row);
    // Types `text` into the pattern box, clicks the full-text button and
    // waits for the search; the sorted entries found.
    QStringList searchAll(const QString& text);
    // Searches `name` and clicks its entry (the one named exactly so).
    void showByName(const QString& name);
    // Replaces a detail box's text by typing: Ctrl+A, Delete, then the text
    // key by key, a CR LF (or LF) as the Enter key.
    void typeInto(int field, const QString& text);
    // Puts the focus into a detail box as the window system does for a
    // click or a Tab.
    void focus(int field);
    // A mouse click on a button.
    void click(QAbstractButton* button);
    // Runs `action` at the next search's first look at the input, as if the
    // user acted while that search fills the list.
    void duringNextSearch(std::function<void()> action);
    // Presses Esc in the pattern box.
    void pressEsc();
};

}  // namespace tolvane::test
