#include "gui/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tolvane {

namespace {

QClipboard* systemClipboard() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance())
               ? QGuiApplication::clipboard()
               : nullptr;
}

// Some platforms rewrite line breaks on the way in or out; only a lost or
// different text counts as a failed write.
QString withoutCarriageReturns(QString text) {
    text.remove(QLatin1Char('\r'));
    return text;
}

}  // namespace

Status QtClipboard::clear() {
    QClipboard* clipboard = systemClipboard();
    if (!clipboard) return Status(StatusCode::ClipboardFailure);
    clipboard->clear(QClipboard::Clipboard);
    return {};
}

Status QtClipboard::setText(const QString& text) {
    QClipboard* clipboard = systemClipboard();
    if (!clipboard) return Status(StatusCode::ClipboardFailure);
    clipboard->setText(text, QClipboard::Clipboard);
    if (withoutCarriageReturns(clipboard->text(QClipboard::Clipboard)) ==
        withoutCarriageReturns(text))
        return {};
    clipboard->clear(QClipboard::Clipboard);
    return Status(StatusCode::ClipboardFailure);
}

}  // namespace tolvane
