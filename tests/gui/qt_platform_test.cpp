#include "gui/qt_clipboard.h"
#include "gui/qt_window_geometry.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QWidget>

#include <gtest/gtest.h>

using namespace tolvane;

TEST(QtClipboardTest, HoldsExactlyTheTextPutOnIt) {
    QClipboard* system = QGuiApplication::clipboard();
    auto* rich = new QMimeData;
    rich->setHtml(QStringLiteral("<b>old</b>"));
    rich->setText(QStringLiteral("old"));
    system->setMimeData(rich);

    QtClipboard clipboard;
    clipboard.clear();
    EXPECT_TRUE(system->text().isEmpty());
    const QString text = QStringLiteral("Private Declare Sub A\r\n\"quoted\" 中文\r\n");
    clipboard.setText(text);
    EXPECT_EQ(system->text(), text);
    // Nothing of the earlier content survives in another format.
    EXPECT_FALSE(system->mimeData()->hasHtml());
}

TEST(QtWindowGeometryTest, ChildRectsAreInScreenPixelsAndPlacementsInClientPixels) {
    QWidget window;
    window.setGeometry(200, 100, 400, 300);
    auto* box = new QWidget(&window);
    auto* other = new QWidget(&window);
    box->setGeometry(10, 20, 50, 30);
    other->setGeometry(0, 0, 100, 100);

    QtWindowGeometry geometry;
    const QPoint origin = window.mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(geometry.clientToScreen(&window, QPoint(5, 6)), origin + QPoint(5, 6));
    EXPECT_EQ(geometry.windowRect(box), QRect(origin + QPoint(10, 20), QSize(50, 30)));
    EXPECT_EQ(geometry.windowRect(&window), window.frameGeometry());

    geometry.setWindowPos(box, -5, 7, 120, 90);
    EXPECT_EQ(box->geometry(), QRect(-5, 7, 120, 90));
    EXPECT_EQ(window.children().last(), box);  // on top of its siblings
    geometry.setWindowPos(other, 1, 2, -10, -20);
    EXPECT_EQ(other->size(), QSize(0, 0));
}
