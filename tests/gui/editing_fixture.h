#pragma once

// The main window loaded on a private copy of the starter catalogue.

#include "gui/detail_box.h"
#include "support/window_fixture.h"

namespace tolvane::test {

// A UTF-8 literal as a QString, and what a successful save says.
inline QString q(const char* s) { return QString::fromUtf8(s); }
inline const QString kSaved = q("修改成功!");

class EditingTest : public WindowTest {
protected:
    void SetUp() override;

    DetailBox& box(int i) { return user->box(i); }
    // Every row with every column, in ID order, Null shown as "<Null>".
    QStringList table();
    QVariant stored(qlonglong id, const QString& column);
    qlonglong idOf(const QString& name);
    // Shows a record by finding and clicking its name, then types the given
    // texts into the first boxes.
    void onView(const QString& name, const QStringList& texts);
    // Shows a record by finding and clicking its name.
    void show(const QString& name) { user->showByName(name); }
    // Clicks a button after forgetting earlier boxes, answering its question with `a`.
    void click(QPushButton* button, Answer a = Answer::Yes);
    QString lastShown() const {
        return dialogs.shown.empty() ? QString() : dialogs.shown.back().text;
    }
};

}  // namespace tolvane::test
