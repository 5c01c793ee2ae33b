#include "gui/record_editor.h"

#include "core/store/engine.h"
#include "core/store/error.h"
#include "core/system/dialogs.h"
#include "gui/record_view.h"
#include "gui/record_writes.h"

#include <QCheckBox>
#include <QComboBox>

namespace tolvane {

namespace {

// A save that finds no row writes nothing and must not claim success.
const QString kRecordGone = QStringLiteral("该记录已不存在，未保存任何修改。");

Database& requireCatalogue(const std::shared_ptr<Database>& db) {
    if (!db) throw Error(err::EngineFailure, QStringLiteral("没有打开的数据库。"));
    return *db;
}

// The ID box only selects the row; it is never written.
RecordEdit editOnScreen(const RecordEditor::Controls& c) {
    RecordEdit edit;
    for (int i = 0; i < kIdBox; ++i)
        edit.texts.emplace_back(c.detailBoxes[i]->tag(), c.detailBoxes[i]->text());
    edit.win95 = c.win95Check->isChecked();
    edit.winnt = c.winntCheck->isChecked();
    edit.categoryPosition = c.categoryBox->currentIndex();
    return edit;
}

bool confirmed(Dialogs& dialogs, const QString& question, Icon icon) {
    return dialogs.messageBox(question, Buttons::YesNoCancel, icon) == Answer::Yes;
}

void showFailure(Dialogs& dialogs, const Error& e) {
    dialogs.messageBox(e.description(), Buttons::Ok, Icon::Critical);
}

}  // namespace

RecordEditor::RecordEditor(const std::shared_ptr<Database>& catalogue, Dialogs& dialogs,
                           RecordView& view, Controls controls)
    : catalogue_(catalogue), dialogs_(dialogs), view_(view), controls_(controls) {}

void RecordEditor::addRecord() {
    if (!confirmed(dialogs_, QStringLiteral("添加记录吗(修改后需保存)?"), Icon::None)) return;
    try {
        // The list is left alone: the new record shows there after the next search.
        view_.showRecord(QString::number(appendEmptyRecord(requireCatalogue(catalogue_))));
    } catch (const Error& e) {
        showFailure(dialogs_, e);
    }
}

void RecordEditor::saveShownRecord() {
    if (!confirmed(dialogs_, QStringLiteral("确实要更改数据库信息吗?"), Icon::Question)) return;
    try {
        const std::int64_t id = requireRecordId(controls_.detailBoxes[kIdBox]->text());
        if (saveRecord(requireCatalogue(catalogue_), id, editOnScreen(controls_)))
            dialogs_.messageBox(QStringLiteral("修改成功!"), Buttons::Ok, Icon::None);
        else
            dialogs_.messageBox(kRecordGone, Buttons::Ok, Icon::Critical);
    } catch (const Error& e) {
        showFailure(dialogs_, e);
    }
}

void RecordEditor::deleteShownRecord() {
    if (!confirmed(dialogs_, QStringLiteral("确实要删除此条记录吗(无法恢复)?"), Icon::Critical))
        return;
    try {
        deleteRecord(requireCatalogue(catalogue_),
                     requireRecordId(controls_.detailBoxes[kIdBox]->text()));
    } catch (const Error& e) {
        showFailure(dialogs_, e);
    }
}

}  // namespace tolvane
