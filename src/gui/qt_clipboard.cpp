#include "gui/qt_clipboard.h"

#include "core/store/error.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tolvane {

namespace {

QClipboard& systemClipboard() {
    QClipboard* clipboard = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                ? QGuiApplication::clipboard()
                                : nullptr;
    if (!clipboard) throw Error(err::ClipboardFailure);
    return *clipboard;
}

// Some platforms rewrite line breaks on the way in or out; only a lost or
// different text counts as a failed write.
QString withoutCarriageReturns(QString text) {
    text.remove(QLatin1Char('\r'));
    return text;
}

}  // namespace

void QtClipboard::clear() { systemClipboard().clear(QClipboard::Clipboard); }

void QtClipboard::setText(const QString& text) {
    QClipboard& clipboard = systemClipboard();
    clipboard.setText(text, QClipboard::Clipboard);
    if (withoutCarriageReturns(clipboard.text(QClipboard::Clipboard)) !=
        withoutCarriageReturns(text)) {
        clipboard.clear(QClipboard::Clipboard);
        throw Error(err::ClipboardFailure);
    }
}

}  // namespace tolvane
