#include "editing/output_forms.h"

#include "browse/record_view.h"
#include "browse/twips.h"
#include "browse/window_controls.h"
#include "catalogue/optional_columns.h"
#include "editing/declaration_copy.h"
#include "editing/output_form_setting.h"
#include "editing/record_writes.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/error.h"

#include <QPushButton>
#include <QRadioButton>

#include <utility>

namespace tolvane {

OutputForms::OutputForms(Clipboard& clipboard, Dialogs& dialogs, SettingsStore& settings, QString settingsApp,
                         RecordView& view, Controls controls)
    : clipboard_(clipboard), dialogs_(dialogs), settings_(settings), settingsApp_(std::move(settingsApp)),
      view_(view), controls_(controls) {}

QString OutputForms::formColumn(int formButton) {
    switch (formButton) {
    case kCSharpForm: return QStringLiteral("CSharp");
    case kVba64Form: return kVba64Column;
    default: return QStringLiteral("declare");
    }
}

void OutputForms::start(const OptionalColumns& columns) {
    QRadioButton* vba64 = controls_.formButtons[kVba64Form];
    vba64->setEnabled(columns.vba64);
    vba64->setToolTip(columns.vba64 ? QString() : QStringLiteral("此目录数据库没有 vba64 列，无 64 位 VBA 声明"));
    int form = rememberedFormButton(settings_, settingsApp_);
    if (form == kVba64Form && !columns.vba64) form = kVbForm;
    controls_.formButtons[form]->setChecked(true);
    controls_.detailBoxes[kDeclarationBox]->setTag(formColumn(form));
}

void OutputForms::outputFormChosen(int formButton) {
    controls_.detailBoxes[kDeclarationBox]->setTag(formColumn(formButton));
    rememberFormButton(settings_, settingsApp_, formButton);
    // Reload the record on view so that the box shows the column its tag now
    // names; otherwise a save would write one form's text into the other's
    // column. Without a record on view there is nothing to reload.
    if (auto id = recordIdFromText(controls_.detailBoxes[kIdBox]->text())) view_.showRecord(QString::number(*id));
}

void OutputForms::copyFocusedBox() {
    const OutputForm form = controls_.formButtons[kCSharpForm]->isChecked()   ? OutputForm::CSharp
                            : controls_.formButtons[kVba64Form]->isChecked() ? OutputForm::Vba64
                                                                             : OutputForm::VB;
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
