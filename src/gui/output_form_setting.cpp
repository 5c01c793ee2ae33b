#include "gui/output_form_setting.h"

#include "core/store/error.h"
#include "core/system/settings.h"
#include "gui/output_forms.h"
#include "gui/window_controls.h"

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
