#pragma once

#include <QString>

namespace tolvane {

class SettingsStore;

// The declaration form last chosen, remembered across starts beside the
// opener's entries (section and key both the entry's name). It holds the
// column the form is stored in: "declare", "CSharp" or "vba64".
inline const QString kOutputFormEntry = QStringLiteral("Out_Form");

// The form button remembered under settings application `app`; the VB form
// when none is, or when the entry names no form.
int rememberedFormButton(SettingsStore& settings, const QString& app);
// Remembers `formButton`. Settings that cannot be written keep the choice
// for this run only: nothing is reported.
void rememberFormButton(SettingsStore& settings, const QString& app, int formButton);

}  // namespace tolvane
