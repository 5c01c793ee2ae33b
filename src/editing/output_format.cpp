// The output-form switch, the copy button and the current detail box.
#include "browse/detail_box.h"
#include "browse/form1.h"
#include "browse/twips.h"
#include "editing/declaration_copy.h"
#include "editing/record_writes.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/error.h"

#include <QPushButton>
#include <QRadioButton>

namespace tolvane {

void Form1::Option1_Click(int index) {
    TOut[kDeclarationBox]->setTag(optionTag(index));
    // Reload the record on view so that the box shows the column its tag now
    // names; otherwise a save would write one form's text into the other's
    // column. Without a record on view there is nothing to reload.
    if (auto id = recordIdFromText(TOut[7]->text())) ShowRecord(QString::number(*id));
}

void Form1::Command3_Click() {
    const OutputForm form = Option1[0]->isChecked() ? OutputForm::VB : OutputForm::CSharp;
    const QString text = copiedText(TOut[CurOut]->text(), CurOut, form);
    try {
        env_.clipboard->clear();
        env_.clipboard->setText(text);
    } catch (const Error& e) {
        env_.dialogs->messageBox(e.description(), Buttons::Ok, Icon::Critical);
    }
}

void Form1::TOut_GotFocus(int index) {
    CurOut = static_cast<std::int16_t>(index);
    if (index < 1) return;
    const QRect box = TOut[index]->widget()->geometry();
    const int top = px(buttonsTop(twips(box.y()), twips(box.height())));
    Command3->move(Command3->x(), top);
    Command6->move(Command6->x(), top);
}

}  // namespace tolvane
