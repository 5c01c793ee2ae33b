#include "gui/output_form_setting.h"

#include "core/system/settings.h"

namespace tolvane {

namespace {
QString entryValue(OutputForm form) { return QLatin1String(columnName(formColumn(form))); }
}  // namespace

OutputForm rememberedForm(SettingsStore& settings, const QString& app) {
    const QString column = settings.read(app, kOutputFormEntry, kOutputFormEntry, QString());
    for (const OutputForm form : {OutputForm::VB, OutputForm::CSharp, OutputForm::Vba64})
        if (column == entryValue(form)) return form;
    return OutputForm::VB;
}

void rememberForm(SettingsStore& settings, const QString& app, OutputForm form) {
    settings.write(app, kOutputFormEntry, kOutputFormEntry, entryValue(form));
}

}  // namespace tolvane
