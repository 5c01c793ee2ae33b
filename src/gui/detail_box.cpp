#include "gui/detail_box.h"

#include <QTextCursor>

#include <limits>

namespace tolvane {

SingleLineBox::SingleLineBox(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(std::numeric_limits<int>::max());
}

void SingleLineBox::setText(const QString& text) {
    QLineEdit::setText(text);
    setCursorPosition(0);
}

MultiLineBox::MultiLineBox(QWidget* parent) : QPlainTextEdit(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(true);
}

QString MultiLineBox::text() const {
    const QString shown = toPlainText();
    if (shown == displayed_) return stored_;
    QString out = shown;
    out.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return out;
}

void MultiLineBox::setText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(shown);
    stored_ = text;
    displayed_ = toPlainText();
}

void MultiLineBox::select(int start, int length) {
    QTextCursor c = textCursor();
    c.setPosition(start);
    c.setPosition(start + length, QTextCursor::KeepAnchor);
    setTextCursor(c);
}

int MultiLineBox::length() const { return toPlainText().size(); }

}  // namespace tolvane
