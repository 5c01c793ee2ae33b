#include "gui/main_window.h"

#include "core/locate/open_catalogue.h"
#include "core/locate/user_copy.h"
#include "core/store/catalogue_store.h"
#include "core/system/version.h"
#include "gui/banner_view.h"
#include "gui/help_text.h"
#include "gui/record_writes.h"
#include "gui/search_panel.h"
#include "gui/search_texts.h"
#include "gui/store_patience.h"
#include "gui/text_bounds.h"
#include "gui/unsaved_edits.h"
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

// A save that finds no row writes nothing and must not claim success.
const QString kRecordGone = QStringLiteral("该记录已不存在，未保存任何修改。");

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

// A row that is gone changes nothing.
void MainWindow::showRecord(qint64 id, qint64 rowid) {
    if (!store_) return;
    const StorePatience::Use use = patience_->use();
    if (!use) return;
    if (Result<Record> record = store_->record(FoundRow{.name = {}, .id = id, .rowid = rowid});
        record.ok())
        recordPanel_->setRecord(*record);
}

// After a form switch the declaration box shows the new form's column of
// the record on view, read anew (edits are dropped); a record gone meanwhile
// is shown as it was read. Without a record nothing is shown anew.
void MainWindow::reloadShownRecord() {
    if (!recordPanel_->hasRecord()) return;
    const StorePatience::Use use = patience_->use();
    if (!use) return;
    const Record& shown = recordPanel_->shownRecord();
    Result<Record> fresh =
        store_ && (shown.id() || shown.rowid() != 0)
            ? store_->record(FoundRow{.name = {}, .id = shown.id(), .rowid = shown.rowid()})
            : Status(StatusCode::RecordGone);
    recordPanel_->setRecord(fresh.ok() ? *fresh : shown);
}

// Steps through the whole catalogue in the store's ID order (rows sharing
// an ID one after the other), whatever the list holds; moving past either
// end shows the store's message. Without a record on view, next goes to the
// second record and previous finds none.
void MainWindow::navigate(NavigationButton button) {
    if (!catalogueOpen() || !editsSettled()) return;
    const StorePatience::Use use = patience_->use();
    if (!use) return;
    const Record& shown = recordPanel_->shownRecord();
    Result<Record> found = Status(StatusCode::NoCurrentRecord);
    switch (button) {
    case kFirstRecord: found = store_->first(); break;
    case kLastRecord: found = store_->last(); break;
    case kNextRecord: {
        const Result<Record> from = recordPanel_->hasRecord() ? shown : store_->first();
        found = from.ok() ? store_->after(*from) : from;
        break;
    }
    case kPreviousRecord: found = store_->before(shown); break;
    }
    if (found.ok())
        recordPanel_->setRecord(*found);
    else
        report(found.status());
}

// The list is left alone: the new record shows there after the next search.
void MainWindow::addRecord() {
    if (!catalogueOpen() || !confirmed(QStringLiteral("添加记录吗(修改后需保存)?"), Icon::None) ||
        !editsSettled() || !editable())
        return;
    const StorePatience::Use use = patience_->use();
    if (!use) return;
    Result<Record> added = store_->add();
    if (added.ok())
        recordPanel_->setRecord(*added);
    else
        report(added.status());
}

void MainWindow::saveShownRecord() {
    if (!catalogueOpen() || !confirmed(QStringLiteral("确实要更改数据库信息吗?"), Icon::Question))
        return;
    if (writeShownRecord())
        env_.dialogs->messageBox(QStringLiteral("修改成功!"), Buttons::Ok, Icon::None);
}

// Saves what the user changed in the record on view and shows the stored
// record, so that the next save compares with what it wrote; a failure is
// told, and a failed or cancelled save keeps the typed texts.
bool MainWindow::writeShownRecord() {
    if (!editable()) return false;
    const StorePatience::Use use = patience_->use();
    if (!use) return false;
    const WriteOutcome saved =
        saveEdits(*store_, *env_.dialogs, recordPanel_->shownRecord(), recordPanel_->record(),
                  recordPanel_->changedColumns(), recordPanel_->editedColumns());
    if (saved.reload || saved.status.ok()) reloadShownRecord();
    const StatusCode code = saved.status.code();
    if (!saved.status.ok() && code != StatusCode::Cancelled)
        report(code == StatusCode::RecordGone ? Status(code, kRecordGone) : saved.status);
    return saved.status.ok();
}

// Before the record on view is left: true when the window may go on (no
// edits, edits saved, or edits the user let go).
bool MainWindow::editsSettled() {
    if (!recordPanel_->hasRecord()) return true;
    const auto ask = [this](const QString& question) {
        return env_.dialogs->messageBox(question, Buttons::YesNoCancel, Icon::Question);
    };
    switch (pendingEdits(recordPanel_->recordAsShown(), recordPanel_->record(),
                         recordPanel_->editedColumns(), ask)) {
    case PendingEdits::None:
    case PendingEdits::Drop: return true;
    case PendingEdits::Save: return store_ ? writeShownRecord() : catalogueOpen();
    case PendingEdits::Keep: break;
    }
    return false;
}

// The deleted record stays on view until another is shown.
void MainWindow::deleteShownRecord() {
    if (!catalogueOpen() ||
        !confirmed(QStringLiteral("确实要删除此条记录吗(无法恢复)?"), Icon::Critical,
                   Buttons::YesNoCancelDefaultNo) ||
        !editable())
        return;
    const StorePatience::Use use = patience_->use();
    if (!use) return;
    const WriteOutcome deleted = deleteShown(*store_, *env_.dialogs, recordPanel_->shownRecord());
    if (deleted.status.ok())
        recordPanel_->markSaved();  // nothing is left to save
    else if (deleted.status.code() != StatusCode::Cancelled)
        report(deleted.status);
}

// Without a catalogue every action only says so, before asking anything.
bool MainWindow::catalogueOpen() {
    if (!store_) env_.dialogs->messageBox(noCatalogueText(), Buttons::Ok, Icon::Critical);
    return store_ != nullptr;
}

bool MainWindow::confirmed(const QString& question, Icon icon, Buttons buttons) {
    return env_.dialogs->messageBox(question, buttons, icon) == Answer::Yes;
}

// A catalogue opened for reading is edited in the user's own copy, made on
// the first edit when the user agrees (offerUserCopy); from then on the
// window and its searches read and write the copy. False: nothing to edit.
bool MainWindow::editable() {
    if (!store_->readOnly()) return true;
    const Result<std::optional<QString>> copy = offerUserCopy(env_, store_->path(), kAppArgument);
    if (!copy.ok()) report(copy.status());
    if (!copy.ok() || !*copy) return false;
    Result<std::unique_ptr<CatalogueStore>> opened = store_->openCopy(**copy);
    if (!opened.ok()) {
        report(opened.status());
        return false;
    }
    store_ = std::move(*opened);
    patience_->attach(*store_);
    Result<std::unique_ptr<CatalogueStore>> reader = store_->openReader();
    if (reader.ok())
        searchPanel_->useReader(std::move(*reader));
    else
        report(reader.status());
    return true;
}

void MainWindow::report(const Status& failure) {
    env_.dialogs->messageBox(failure.message(), Buttons::Ok, Icon::Critical);
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
