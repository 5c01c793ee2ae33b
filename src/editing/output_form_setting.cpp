#include "editing/output_form_setting.h"

#include "browse/window_controls.h"
#include "editing/output_forms.h"
#include "platform/error.h"
#include "platform/settings.h"

namespace tolvane {

int rememberedFormButton(SettingsStore& settings, const QString& app) {
    const QString column = settings.read(app, kOutputFormEntry, kOutputFormEntry, QString());
    for (int button = 0; button < kFormCount; ++button)
        if (column == OutputForms::formColumn(button)) return button;
    return kVbForm;
}

void rememberFormButton(SettingsStore& settings, const QString& app, int formButton) {
    try {
        settings.write(app, kOutputFormEntry, kOutputFormEntry,
                       OutputForms::formColumn(formButton));
    } catch (const Error&) {}
}

}  // namespace tolvane
