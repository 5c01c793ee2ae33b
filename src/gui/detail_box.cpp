#include "gui/detail_box.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextCursor>

#include <limits>

namespace tolvane {

QString DetailBox::bound(const QString& stored) {
    set_ = stored;
    pasted_ = false;
    aside_ = stored;
    asideFrom_ = shownLength(stored, bounds_);
    const QString start = asideFrom_ == stored.size() ? stored : stored.left(asideFrom_);
    return multiLine_ ? displayForm(start) : start;
}

QString DetailBox::whole(const QString& display) const {
    if (!pasted_ && display == display_) return set_;
    const QStringView rest = QStringView(aside_).mid(asideFrom_);
    QString out;
    out.reserve(display.size() * (multiLine_ ? 2 : 1) + rest.size());
    multiLine_ ? appendStored(out, display) : void(out += display);
    return out += rest;
}

qsizetype DetailBox::wholeLength(const QString& display) const {
    if (!pasted_ && display == display_) return set_.size();
    return display.size() + (multiLine_ ? display.count(QLatin1Char('\n')) : 0) + aside_.size() -
           asideFrom_;
}

// The new whole text is put together once, in stored form; what the box
// does not show stays there, uncopied.
std::optional<DetailBox::Paste> DetailBox::boundedPaste(const QString& display, qsizetype from,
                                                        qsizetype to, const QString& pasted) {
    if (pasted.size() > kPasteLimit) {
        if (pasteRefused_) pasteRefused_(pasteRefusal(pasted.size()));
        return Paste{true, {}, 0};
    }
    // The length the pasted text takes in the box.
    const qsizetype pastedLength = pasted.size() - (multiLine_ ? pasted.count(u"\r\n") : 0);
    if (pastedLength <= kSmallPaste) {
        const QString next =
            display.left(from) + (multiLine_ ? displayForm(pasted) : pasted) + display.mid(to);
        if (shownLength(next, bounds_) == next.size()) return std::nullopt;
    }
    const auto append = [this](QString& out, QStringView part) {
        multiLine_ ? appendStored(out, part) : void(out += part);
    };
    const QStringView shown(display), rest = QStringView(aside_).mid(asideFrom_);
    QString whole;
    whole.reserve(2 * (from + pasted.size() + shown.size() - to) + rest.size());
    append(whole, shown.left(from));
    append(whole, pasted);
    append(whole, shown.mid(to));
    whole += rest;
    aside_ = std::move(whole);
    asideFrom_ = shownLength(aside_, bounds_);
    pasted_ = true;
    QString start = aside_.left(asideFrom_);
    if (multiLine_) start = displayForm(start);
    // The cursor goes after the pasted text, or to the end of what shows.
    const qsizetype cursor = std::min(from + pastedLength, start.size());
    return Paste{false, std::move(start), cursor};
}

SingleLineBox::SingleLineBox(QWidget* parent) : QLineEdit(parent), DetailBox(false) {
    setMaxLength(std::numeric_limits<int>::max());
}

void SingleLineBox::setText(const QString& text) {
    QLineEdit::setText(bound(text));
    laidIn(QLineEdit::text());
    setCursorPosition(0);
}

void SingleLineBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste) && !isReadOnly()) return pasteClipboard();
    QLineEdit::keyPressEvent(event);
}

// The menu's paste goes the bounded way too.
void SingleLineBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions())
        if (action->objectName() == QLatin1String("edit-paste")) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, &SingleLineBox::pasteClipboard);
        }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void SingleLineBox::pasteClipboard() {
    const QString shown = QLineEdit::text();
    const qsizetype from = hasSelectedText() ? selectionStart() : cursorPosition();
    const qsizetype to = hasSelectedText() ? selectionEnd() : from;
    const std::optional<Paste> done =
        boundedPaste(shown, from, to, QGuiApplication::clipboard()->text());
    if (!done) return QLineEdit::paste();
    if (done->refused) return;
    QLineEdit::setText(done->display);
    setCursorPosition(static_cast<int>(done->cursor));
    partChanged();
}

MultiLineBox::MultiLineBox(QWidget* parent) : QPlainTextEdit(parent), DetailBox(true) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(true);
}

void MultiLineBox::setText(const QString& text) {
    setPlainText(bound(text));
    laidIn(toPlainText());
}

// Pastes and drops.
void MultiLineBox::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText()) return QPlainTextEdit::insertFromMimeData(source);
    const QTextCursor c = textCursor();
    const std::optional<Paste> done =
        boundedPaste(toPlainText(), c.selectionStart(), c.selectionEnd(), source->text());
    if (!done) return QPlainTextEdit::insertFromMimeData(source);
    if (done->refused) return;
    setPlainText(done->display);
    select(static_cast<int>(done->cursor), 0);
    ensureCursorVisible();
    partChanged();
}

void MultiLineBox::select(int start, int length) {
    QTextCursor c = textCursor();
    c.setPosition(start);
    c.setPosition(start + length, QTextCursor::KeepAnchor);
    setTextCursor(c);
}

int MultiLineBox::length() const { return toPlainText().size(); }

}  // namespace tolvane
