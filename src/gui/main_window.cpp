#include "gui/main_window.h"

#include "core/locate/open_catalogue.h"
#include "core/store/catalogue_store.h"
#include "gui/banner_view.h"
#include "gui/record_writes.h"
#include "gui/search_panel.h"
#include "gui/store_patience.h"
#include "gui/window_layout.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

namespace tolvane {
namespace {

constexpr int kClientWidth = 11475;
constexpr int kClientHeight = 7590;

// A save that finds no row writes nothing and must not claim success.
const QString kRecordGone = QStringLiteral("该记录已不存在，未保存任何修改。");
const Status kNoCatalogue(StatusCode::EngineFailure, QStringLiteral("没有打开的数据库。"));

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

    connect(searchPanel_, &SearchPanel::entryChosen, this, &MainWindow::showRecord);
    connect(recordPanel_, &RecordPanel::formChosen, this, &MainWindow::reloadShownRecord);
    connect(recordPanel_, &RecordPanel::navigationChosen, this, &MainWindow::navigate);
    connect(recordPanel_, &RecordPanel::addChosen, this, &MainWindow::addRecord);
    connect(recordPanel_, &RecordPanel::saveChosen, this, &MainWindow::saveShownRecord);
    connect(recordPanel_, &RecordPanel::deleteChosen, this, &MainWindow::deleteShownRecord);
    qApp->installEventFilter(this);
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
    const StorePatience::Use use = patience_->use();
    if (!use) return;
    if (!store_) return;
    if (Result<Record> record = store_->record(FoundRow{.name = {}, .id = id, .rowid = rowid});
        record.ok())
        recordPanel_->setRecord(*record);
}

// After a form switch the declaration box shows the new form's column of
// the record on view, read anew (edits are dropped); a record gone meanwhile
// is shown as it was read. Without a record nothing is shown anew.
void MainWindow::reloadShownRecord() {
    const StorePatience::Use use = patience_->use();
    if (!use) return;
    if (!recordPanel_->hasRecord()) return;
    const Record& shown = recordPanel_->shownRecord();
    Result<Record> fresh =
        store_ && shown.id()
            ? store_->record(FoundRow{.name = {}, .id = shown.id(), .rowid = shown.rowid()})
            : Status(StatusCode::RecordGone);
    recordPanel_->setRecord(fresh.ok() ? *fresh : shown);
}

// Steps through the whole catalogue in ascending ID, whatever the list
// holds; moving past either end shows the store's message. Without a record
// on view, next goes to the second record and previous finds none.
void MainWindow::navigate(NavigationButton button) {
    const StorePatience::Use use = patience_->use();
    if (!use) return;
    if (!store_) return report(Status(StatusCode::EngineFailure));
    const std::optional<qint64> id = recordPanel_->shownRecord().id();
    Result<Record> found = Status(StatusCode::NoCurrentRecord);
    switch (button) {
    case kFirstRecord: found = store_->first(); break;
    case kLastRecord: found = store_->last(); break;
    case kNextRecord:
        if (id) {
            found = store_->after(*id);
        } else if (Result<Record> first = store_->first(); first.ok() && first->id()) {
            found = store_->after(*first->id());
        } else {
            found = first;
        }
        break;
    case kPreviousRecord:
        if (id) found = store_->before(*id);
        break;
    }
    if (found.ok())
        recordPanel_->setRecord(*found);
    else
        report(found.status());
}

// The list is left alone: the new record shows there after the next search.
void MainWindow::addRecord() {
    if (!confirmed(QStringLiteral("添加记录吗(修改后需保存)?"), Icon::None)) return;
    const StorePatience::Use use = patience_->use();
    if (!use) return;
    Result<Record> added = store_ ? store_->add() : kNoCatalogue;
    if (added.ok())
        recordPanel_->setRecord(*added);
    else
        report(added.status());
}

// A save shows the stored record afterwards, so that the next save
// compares with what it wrote; a failed one keeps the typed texts.
void MainWindow::saveShownRecord() {
    if (!confirmed(QStringLiteral("确实要更改数据库信息吗?"), Icon::Question)) return;
    if (!store_) return report(kNoCatalogue);
    const StorePatience::Use use = patience_->use();
    if (!use) return;
    const WriteOutcome saved =
        saveEdits(*store_, *env_.dialogs, recordPanel_->shownRecord(), recordPanel_->record(),
                  recordPanel_->changedColumns(), recordPanel_->editedColumns());
    if (saved.reload || saved.status.ok()) reloadShownRecord();
    if (saved.status.ok())
        env_.dialogs->messageBox(QStringLiteral("修改成功!"), Buttons::Ok, Icon::None);
    else if (saved.status.code() != StatusCode::Cancelled)
        report(saved.status.code() == StatusCode::RecordGone
                   ? Status(saved.status.code(), kRecordGone)
                   : saved.status);
}

// The deleted record stays on view until another is shown.
void MainWindow::deleteShownRecord() {
    if (!confirmed(QStringLiteral("确实要删除此条记录吗(无法恢复)?"), Icon::Critical)) return;
    if (!store_) return report(kNoCatalogue);
    const StorePatience::Use use = patience_->use();
    if (!use) return;
    const WriteOutcome deleted = deleteShown(*store_, *env_.dialogs, recordPanel_->shownRecord());
    if (!deleted.status.ok() && deleted.status.code() != StatusCode::Cancelled)
        report(deleted.status);
}

bool MainWindow::confirmed(const QString& question, Icon icon) {
    return env_.dialogs->messageBox(question, Buttons::YesNoCancel, icon) == Answer::Yes;
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

void MainWindow::closeEvent(QCloseEvent* event) {
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
