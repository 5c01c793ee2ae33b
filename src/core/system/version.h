#pragma once

#include <QString>

namespace tolvane {

// The program's version: the build's one version number (CMake's project
// version), shown by --version, the help window and the package.
inline QString programVersion() { return QStringLiteral(TOLVANE_VERSION); }

}  // namespace tolvane
