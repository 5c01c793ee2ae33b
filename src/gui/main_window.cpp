#include "gui/main_window.h"

#include "core/locate/open_catalogue.h"
#include "core/store/catalogue_store.h"
#include "core/system/version.h"
#include "gui/banner_view.h"
#include "gui/help_text.h"
#include "gui/search_panel.h"
#include "gui/store_patience.h"
#include "gui/text_bounds.h"
#include "gui/window_layout.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

namespace tolvane {
namespace {

constexpr int kClientWidth = 11475;
constexpr int kClientHeight = 7590;

QIcon makeIcon() {
    QPixmap pix(32, 32);
    pix.fill(Qt::transparent);
    QPainter painter(&pix);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(40, 90, 170));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(1, 1, 30, 30), 5, 5);
    painter.setPen(Qt::white);
    QFont f = painter.font();
    f.setBold(true);
    f.setPixelSize(12);
    painter.setFont(f);
    painter.drawText(pix.rect(), Qt::AlignCenter, QStringLiteral("API"));
    return QIcon(pix);
}

}  // namespace

MainWindow::MainWindow(const WindowEnv& env, QWidget* parent)
    : QWidget(parent),
      env_(env),
      searchPanel_(new SearchPanel(*this, *env.dialogs)),
      recordPanel_(new RecordPanel(*this, {*env.clipboard, *env.dialogs, *env.settings,
                                           settingsAppName(kAppArgument), *env.geometry})),
      banner_(new BannerView(env, this)),
      patience_(new StorePatience(*this)) {
    setWindowTitle(QStringLiteral("Tolvane"));
    setWindowIcon(makeIcon());
    setFixedSize(px(kClientWidth), px(kClientHeight));
    banner_->setObjectName(QStringLiteral("banner"));
    banner_->move(px(9180), 0);

    QList<QWidget*> order = searchPanel_->tabOrder();
    QWidget* fullTextButton = order.takeLast();
    order << recordPanel_->tabOrder(fullTextButton) << banner_;
    for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);

    searchPanel_->setLeaveCheck([this] { return editsSettled(); });
    recordPanel_->setLeaveCheck([this] { return editsSettled(); });
    connect(searchPanel_, &SearchPanel::entryChosen, this, &MainWindow::showRecord);
    connect(recordPanel_, &RecordPanel::formChosen, this, &MainWindow::reloadShownRecord);
    connect(recordPanel_, &RecordPanel::navigationChosen, this, &MainWindow::navigate);
    connect(recordPanel_, &RecordPanel::addChosen, this, &MainWindow::addRecord);
    connect(recordPanel_, &RecordPanel::saveChosen, this, &MainWindow::saveShownRecord);
    connect(recordPanel_, &RecordPanel::deleteChosen, this, &MainWindow::deleteShownRecord);
    connect(recordPanel_, &RecordPanel::sizeNoted, searchPanel_, &SearchPanel::setRecordNote);
    recordPanel_->setWholeReader([this](const Record& shown, Column column) -> Result<QVariant> {
        if (!store_) return Status(StatusCode::RecordGone);
        const StorePatience::Use use = patience_->use();
        if (!use) return Status(StatusCode::Cancelled);
        return store_->wholeValue(shown, column);
    });
    addShortcuts();
    qApp->installEventFilter(this);
}

// Ctrl+F and Ctrl+L go to the pattern box (out of an enlarged box first),
// Ctrl+S saves as the save button does, Ctrl+W and Ctrl+Q close as the
// close button does, F1 shows the help.
void MainWindow::addShortcuts() {
    const auto add = [this](QKeyCombination keys, auto action) {
        connect(new QShortcut(QKeySequence(keys), this), &QShortcut::activated, this, action);
    };
    const auto findPattern = [this] {
        recordPanel_->restoreEnlarged();
        searchPanel_->focusPattern();
    };
    add(Qt::CTRL | Qt::Key_F, findPattern);
    add(Qt::CTRL | Qt::Key_L, findPattern);
    add(Qt::CTRL | Qt::Key_S, [this] { saveShownRecord(); });
    add(Qt::CTRL | Qt::Key_W, [this] { close(); });
    add(Qt::CTRL | Qt::Key_Q, [this] { close(); });
    add(QKeyCombination(Qt::Key_F1),
        [this] { env_.dialogs->messageBox(helpText(programVersion()), Buttons::Ok, Icon::None); });
}

// Nothing a control emits while it is taken down (a focus change, say) may
// reach the window's handlers.
MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    for (QObject* child : findChildren<QObject*>()) disconnect(child, nullptr, this, nullptr);
    searchPanel_->close();
}

void MainWindow::start() {
    std::unique_ptr<CatalogueStore> store;
    if (openCatalogue(env_, kCatalogueFileName, store, kAppArgument)) {
        store_ = std::move(store);
        store_->readInPart(kValueStartBytes);
        patience_->attach(*store_);
        recordPanel_->start(store_->columns());
        Result<std::unique_ptr<CatalogueStore>> reader = store_->openReader();
        if (!reader.ok()) report(reader.status());
        const Result<QStringList> dlls = store_->dllSpellings();
        searchPanel_->start(reader.ok() ? std::move(*reader) : nullptr,
                            dlls.ok() ? *dlls : QStringList());
    }
    searchPanel_->markStarted();
}

void MainWindow::setSearchFillSlice(std::chrono::nanoseconds slice) {
    searchPanel_->setFillSlice(slice);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this) searchPanel_->cancel();
    }
    return false;
}

// Enter reaches the window when the focused control does not take it
// itself (multi-line boxes do, for their line breaks). As with a default
// button, a focused button is clicked in its place.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        (focused ? focused : recordPanel_->zoomButton())->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

// A double click on the window's background chooses another catalogue for
// the next start.
void MainWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    QWidget::mouseDoubleClickEvent(event);
    if (childAt(event->position().toPoint())) return;
    if (const Status chosen = chooseCatalogue(env_, kAppArgument); !chosen.ok()) report(chosen);
}

// A new palette (a light or dark theme chosen while the program runs) gets
// the fixed-colour controls new text colours.
void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::PaletteChange) return;
    searchPanel_->applyColours();
    recordPanel_->applyColours();
}

// Edits the user keeps on screen keep the window open.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!editsSettled()) return event->ignore();
    shutdown();
    event->accept();
}

// Closes the catalogue without a question; the application ends with its
// last window.
void MainWindow::shutdown() {
    searchPanel_->close();
    store_.reset();
}

}  // namespace tolvane
