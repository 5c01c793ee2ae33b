#pragma once

// The main window loaded on a private copy of the starter catalogue, with
// Qt's window geometry (the offscreen platform places windows as asked).

#include "browse/detail_box.h"
#include "platform/qt_window_geometry.h"
#include "support/form_fixture.h"

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

    QtWindowGeometry geometry;
};

}  // namespace tolvane::test
