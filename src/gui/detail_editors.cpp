// The two editors a detail box is: each user edit goes through the box, so
// that a selection of all it shows stands for the whole text and pastes
// stay bounded.
#include "gui/detail_box.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextCursor>

#include <initializer_list>
#include <limits>

namespace tolvane {
namespace {

bool undoOrRedo(const QKeyEvent* event) {
    return event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo);
}

// Shows a box's standard menu with the named actions doing `run` instead.
void popupMenu(QWidget* box, QMenu* menu, const QPoint& at,
               std::initializer_list<std::pair<const char*, std::function<void()>>> actions) {
    for (QAction* action : menu->actions())
        for (const auto& [name, run] : actions)
            if (action->objectName() == QLatin1String(name)) {
                QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
                QObject::connect(action, &QAction::triggered, box, run);
            }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(at);
}

}  // namespace

SingleLineBox::SingleLineBox(QWidget* parent) : QLineEdit(parent), DetailBox(false) {
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textChanged, this, [this] { shownChanged(); });
}

void SingleLineBox::layIn(const QString& display) {
    QLineEdit::setText(display);
    setCursorPosition(0);
}

void SingleLineBox::replaceShown(const QString& display, qsizetype cursor) {
    selectAll();
    insert(display);
    setCursorPosition(int(cursor));
}

bool SingleLineBox::selectionCoversShown() const {
    return hasSelectedText() && selectionStart() == 0 && selectionEnd() == QLineEdit::text().size();
}

void SingleLineBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste) && !isReadOnly())
        return pasteClipboard(QClipboard::Clipboard);
    edit([&] { QLineEdit::keyPressEvent(event); }, undoOrRedo(event));
}

void SingleLineBox::inputMethodEvent(QInputMethodEvent* event) {
    edit([&] { QLineEdit::inputMethodEvent(event); });
}

// The middle button pastes the selection where the system has one, the
// bounded way.
void SingleLineBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && !isReadOnly() &&
        QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        return pasteClipboard(QClipboard::Selection);
    }
    QLineEdit::mouseReleaseEvent(event);
}

void SingleLineBox::contextMenuEvent(QContextMenuEvent* event) {
    popupMenu(this, createStandardContextMenu(), event->globalPos(),
              {{"edit-paste", [this] { pasteClipboard(QClipboard::Clipboard); }},
               {"edit-cut", [this] { edit([this] { cut(); }); }},
               {"edit-delete", [this] { edit([this] { del(); }); }},
               {"edit-undo", [this] { edit([this] { undo(); }, true); }},
               {"edit-redo", [this] { edit([this] { redo(); }, true); }}});
}

void SingleLineBox::pasteClipboard(QClipboard::Mode mode) {
    const QString pasted = QGuiApplication::clipboard()->text(mode);
    const qsizetype from = hasSelectedText() ? selectionStart() : cursorPosition();
    const qsizetype to = hasSelectedText() ? selectionEnd() : from;
    edit([&] {
        if (!boundedPaste(from, to, pasted)) insert(pasted);
    });
}

MultiLineBox::MultiLineBox(QWidget* parent) : QPlainTextEdit(parent), DetailBox(true) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] { shownChanged(); });
}

void MultiLineBox::replaceShown(const QString& display, qsizetype cursor) {
    QTextCursor c(document());
    c.beginEditBlock();
    c.select(QTextCursor::Document);
    c.insertText(display);
    c.endEditBlock();
    select(int(cursor), 0);
    ensureCursorVisible();
}

bool MultiLineBox::selectionCoversShown() const {
    const QTextCursor c = textCursor();
    return c.hasSelection() && c.selectionStart() == 0 &&
           c.selectionEnd() == document()->characterCount() - 1;
}

void MultiLineBox::keyPressEvent(QKeyEvent* event) {
    edit([&] { QPlainTextEdit::keyPressEvent(event); }, undoOrRedo(event));
}

void MultiLineBox::inputMethodEvent(QInputMethodEvent* event) {
    edit([&] { QPlainTextEdit::inputMethodEvent(event); });
}

void MultiLineBox::contextMenuEvent(QContextMenuEvent* event) {
    popupMenu(this, createStandardContextMenu(event->pos()), event->globalPos(),
              {{"edit-cut", [this] { edit([this] { cut(); }); }},
               {"edit-delete", [this] { edit([this] { textCursor().removeSelectedText(); }); }},
               {"edit-undo", [this] { edit([this] { undo(); }, true); }},
               {"edit-redo", [this] { edit([this] { redo(); }, true); }}});
}

// Pastes and drops.
void MultiLineBox::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText()) return QPlainTextEdit::insertFromMimeData(source);
    const QTextCursor c = textCursor();
    edit([&] {
        if (!boundedPaste(c.selectionStart(), c.selectionEnd(), source->text()))
            QPlainTextEdit::insertFromMimeData(source);
    });
}

void MultiLineBox::select(int start, int length) {
    QTextCursor c = textCursor();
    c.setPosition(start);
    c.setPosition(start + length, QTextCursor::KeepAnchor);
    setTextCursor(c);
}

}  // namespace tolvane
