#pragma once

#include <QString>

namespace tolvane {

// The short help F1 shows: the program and its version, the pattern language
// and the window's keys.
QString helpText(const QString& version);

}  // namespace tolvane
