#pragma once

// The main window loaded on a private copy of the starter catalogue, with
// Qt's window geometry (the offscreen platform places windows as asked).

#include "browse/detail_box.h"
#include "platform/qt_window_geometry.h"
#include "support/form_fixture.h"

#include <QPushButton>
#include <QStringList>

namespace tolvane::test {

class EditingTest : public FormTest {
protected:
    void SetUp() override;

    DetailBox& box(int i) { return *form->TOut[static_cast<std::size_t>(i)]; }
    // Every row with every column, in ID order, Null shown as "<Null>".
    QStringList table();
    QVariant stored(qlonglong id, const QString& column);
    qlonglong idOf(const QString& name);
    // Puts a record's ID into the ID box and the given texts into boxes 0-6.
    void onView(qlonglong id, const QStringList& texts);
    // Loads a record by name, as stepping through the list would.
    void show(const QString& name) { form->ShowRecord(QString::number(idOf(name))); }
    // Clicks a button after forgetting earlier boxes, answering its question with `a`.
    void click(QPushButton* button, Answer a = Answer::Yes);
    QString lastShown() const { return dialogs.shown.empty() ? QString() : dialogs.shown.back().text; }

    QtWindowGeometry geometry;
};

}  // namespace tolvane::test
