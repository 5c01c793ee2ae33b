// Adding, saving and deleting catalogue records, each after a confirmation.
#include "browse/detail_box.h"
#include "browse/form1.h"
#include "editing/record_writes.h"
#include "platform/dialogs.h"
#include "platform/engine.h"
#include "platform/error.h"

#include <QCheckBox>
#include <QComboBox>

namespace tolvane {

namespace {

// The ID box only selects the row; boxes from it on are never written.
constexpr int kIdBox = 7;
// A save that finds no row writes nothing and must not claim success.
const QString kRecordGone = QStringLiteral("该记录已不存在，未保存任何修改。");

Database& catalogue(const std::shared_ptr<Database>& db) {
    if (!db) throw Error(err::EngineFailure, QStringLiteral("没有打开的数据库。"));
    return *db;
}

RecordEdit editOnScreen(const Form1& form) {
    RecordEdit edit;
    for (int i = 0; i < static_cast<int>(form.TOut.size()) && i < kIdBox; ++i)
        edit.texts.emplace_back(form.TOut[i]->tag(), form.TOut[i]->text());
    edit.win95 = form.Ch95->isChecked();
    edit.winnt = form.ChNT->isChecked();
    edit.categoryPosition = form.CoOut->currentIndex();
    return edit;
}

bool confirmed(Dialogs& dialogs, const QString& question, Icon icon) {
    return dialogs.messageBox(question, Buttons::YesNoCancel, icon) == Answer::Yes;
}

void showFailure(Dialogs& dialogs, const Error& e) {
    dialogs.messageBox(e.description(), Buttons::Ok, Icon::Critical);
}

}  // namespace

void Form1::Command1_Click() {
    if (!confirmed(*env_.dialogs, QStringLiteral("添加记录吗(修改后需保存)?"), Icon::None)) return;
    try {
        // The list is left alone: the new record shows there after the next search.
        ShowRecord(QString::number(appendEmptyRecord(catalogue(Db))));
    } catch (const Error& e) {
        showFailure(*env_.dialogs, e);
    }
}

void Form1::Command2_Click() {
    if (!confirmed(*env_.dialogs, QStringLiteral("确实要更改数据库信息吗?"), Icon::Question)) return;
    try {
        const std::int32_t id = requireRecordId(TOut[kIdBox]->text());
        if (saveRecord(catalogue(Db), id, editOnScreen(*this)))
            env_.dialogs->messageBox(QStringLiteral("修改成功!"), Buttons::Ok, Icon::None);
        else
            env_.dialogs->messageBox(kRecordGone, Buttons::Ok, Icon::Critical);
    } catch (const Error& e) {
        showFailure(*env_.dialogs, e);
    }
}

void Form1::Command7_Click() {
    if (!confirmed(*env_.dialogs, QStringLiteral("确实要删除此条记录吗(无法恢复)?"), Icon::Critical))
        return;
    try {
        deleteRecord(catalogue(Db), requireRecordId(TOut[kIdBox]->text()));
    } catch (const Error& e) {
        showFailure(*env_.dialogs, e);
    }
}

}  // namespace tolvane
