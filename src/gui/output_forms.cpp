#include "gui/output_forms.h"

#include "core/lookup/declaration_forms.h"
#include "core/store/error.h"
#include "core/store/optional_columns.h"
#include "core/system/dialogs.h"
#include "gui/clipboard.h"
#include "gui/output_form_setting.h"
#include "gui/record_view.h"
#include "gui/record_writes.h"
#include "gui/twips.h"
#include "gui/window_controls.h"

#include <QPushButton>
#include <QRadioButton>

#include <utility>

namespace tolvane {

namespace {

// The form buttons stand in the order of the forms.
static_assert(kVbForm == static_cast<int>(OutputForm::VB) &&
              kCSharpForm == static_cast<int>(OutputForm::CSharp) &&
              kVba64Form == static_cast<int>(OutputForm::Vba64));

OutputForm formOf(int formButton) { return static_cast<OutputForm>(formButton); }

}  // namespace

OutputForms::OutputForms(Clipboard& clipboard, Dialogs& dialogs, SettingsStore& settings,
                         QString settingsApp, RecordView& view, Controls controls)
    : clipboard_(clipboard),
      dialogs_(dialogs),
      settings_(settings),
      settingsApp_(std::move(settingsApp)),
      view_(view),
      controls_(controls) {}

QString OutputForms::formColumn(int formButton) { return tolvane::formColumn(formOf(formButton)); }

void OutputForms::start(const OptionalColumns& columns) {
    QRadioButton* vba64 = controls_.formButtons[kVba64Form];
    vba64->setEnabled(columns.vba64);
    vba64->setToolTip(
        columns.vba64 ? QString() : QStringLiteral("此目录数据库没有 vba64 列，无 64 位 VBA 声明"));
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
    if (auto id = recordIdFromText(controls_.detailBoxes[kIdBox]->text()))
        view_.showRecord(QString::number(*id));
}

void OutputForms::copyFocusedBox() {
    OutputForm form = OutputForm::VB;
    for (int button = 0; button < kFormCount; ++button)
        if (controls_.formButtons[button]->isChecked()) form = formOf(button);
    const QString text = copiedText(controls_.detailBoxes[focusedBox_]->text(),
                                    focusedBox_ == kDeclarationBox, form);
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
