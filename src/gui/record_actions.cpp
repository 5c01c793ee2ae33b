// The window's record actions: showing a record, stepping through the
// catalogue, adding, saving and deleting, and the checks they share (edits
// settled, a catalogue open, a copy to edit when the file is read-only).
#include "core/locate/open_catalogue.h"
#include "core/locate/user_copy.h"
#include "core/store/catalogue_store.h"
#include "gui/main_window.h"
#include "gui/record_writes.h"
#include "gui/search_panel.h"
#include "gui/search_texts.h"
#include "gui/store_patience.h"
#include "gui/unsaved_edits.h"

namespace tolvane {
namespace {

// A save that finds no row writes nothing and must not claim success.
const QString kRecordGone = QStringLiteral("该记录已不存在，未保存任何修改。");

}  // namespace

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

}  // namespace tolvane
