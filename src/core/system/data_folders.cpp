#include "core/system/data_folders.h"

#include "core/system/env.h"

#include <QStandardPaths>

namespace tolvane {

void useDataFolders(Env& env) {
    // Qt lists the user's folder first, then the system's.
    env.userDataDir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    env.dataDirs = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    env.dataDirs.removeAll(env.userDataDir);
}

}  // namespace tolvane
