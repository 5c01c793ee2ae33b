#include "gui/store_patience.h"

#include "core/store/catalogue_store.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace tolvane {
namespace {

using namespace std::chrono_literals;

// Events are handled once a statement has run this long; the busy cursor
// shows after a second.
constexpr auto kAnswerAfter = 100ms;
constexpr auto kBusyAfter = 1000ms;

bool userInput(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::Drop: return true;
    default: return false;
    }
}

}  // namespace

StorePatience::StorePatience(QWidget& window) : QObject(&window), window_(window) {
    qApp->installEventFilter(this);
}

StorePatience::~StorePatience() { qApp->removeEventFilter(this); }

void StorePatience::attach(CatalogueStore& store) {
    store.setCancelFlag(&cancel_);
    store.setPatience([this](std::chrono::milliseconds running) { waiting(running); });
}

StorePatience::Use StorePatience::use() {
    if (answering_) return Use(nullptr);
    if (uses_++ == 0) cancel_ = false;
    return Use(this);
}

StorePatience::Use::~Use() {
    if (!patience_ || --patience_->uses_ > 0) return;
    patience_->cancel_ = false;
    if (patience_->busyCursor_) QApplication::restoreOverrideCursor();
    patience_->busyCursor_ = false;
}

void StorePatience::waiting(std::chrono::milliseconds running) {
    if (uses_ == 0 || answering_ || running < kAnswerAfter) return;
    if (running >= kBusyAfter && !busyCursor_) {
        QApplication::setOverrideCursor(Qt::BusyCursor);
        busyCursor_ = true;
    }
    answering_ = true;
    QCoreApplication::processEvents();
    answering_ = false;
}

bool StorePatience::eventFilter(QObject* watched, QEvent* event) {
    if (!answering_) return false;
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        cancel_ = true;
        return true;
    }
    return userInput(event->type()) || (event->type() == QEvent::Close && watched == &window_);
}

}  // namespace tolvane
