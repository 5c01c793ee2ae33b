#pragma once

#include "core/lookup/declaration_forms.h"

#include <QString>

namespace tolvane {

class SettingsStore;

// The declaration form last chosen, remembered across starts beside the
// opener's entries (section and key both the entry's name). It holds the
// column the form is stored in: "declare", "CSharp" or "vba64".
inline const QString kOutputFormEntry = QStringLiteral("Out_Form");

// The form remembered under settings application `app`; VB when none is, or
// when the entry names no form.
OutputForm rememberedForm(SettingsStore& settings, const QString& app);
// Remembers `form`. Settings that cannot be written keep the choice for
// this run only: nothing is reported.
void rememberForm(SettingsStore& settings, const QString& app, OutputForm form);

}  // namespace tolvane
