#include "editing/output_forms.h"

#include "browse/record_view.h"
#include "browse/twips.h"
#include "browse/window_controls.h"
#include "editing/declaration_copy.h"
#include "editing/record_writes.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/error.h"

#include <QPushButton>
#include <QRadioButton>

namespace tolvane {

OutputForms::OutputForms(Clipboard& clipboard, Dialogs& dialogs, RecordView& view, Controls controls)
    : clipboard_(clipboard), dialogs_(dialogs), view_(view), controls_(controls) {}

QString OutputForms::formColumn(int formButton) {
    return formButton == kVbForm ? QStringLiteral("declare") : QStringLiteral("CSharp");
}

void OutputForms::outputFormChosen(int formButton) {
    controls_.detailBoxes[kDeclarationBox]->setTag(formColumn(formButton));
    // Reload the record on view so that the box shows the column its tag now
    // names; otherwise a save would write one form's text into the other's
    // column. Without a record on view there is nothing to reload.
    if (auto id = recordIdFromText(controls_.detailBoxes[kIdBox]->text())) view_.showRecord(QString::number(*id));
}

void OutputForms::copyFocusedBox() {
    const OutputForm form = controls_.formButtons[kVbForm]->isChecked() ? OutputForm::VB : OutputForm::CSharp;
    const QString text = copiedText(controls_.detailBoxes[focusedBox_]->text(), focusedBox_, form);
    try {
        clipboard_.clear();
        clipboard_.setText(text);
    } catch (const Error& e) {
        dialogs_.messageBox(e.description(), Buttons::Ok, Icon::Critical);
    }
}

void OutputForms::detailBoxFocused(int index) {
    focusedBox_ = index;
    if (index == kNameBox) return;
    const QRect box = controls_.detailBoxes[index]->widget()->geometry();
    const int top = px(buttonsTop(twips(box.y()), twips(box.height())));
    controls_.copyButton->move(controls_.copyButton->x(), top);
    controls_.zoomButton->move(controls_.zoomButton->x(), top);
}

}  // namespace tolvane
