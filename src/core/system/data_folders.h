#pragma once

namespace tolvane {

struct Env;

// Sets the Env's data folders from the environment ($XDG_DATA_HOME and
// $XDG_DATA_DIRS, with their defaults), as Qt reads them.
void useDataFolders(Env& env);

}  // namespace tolvane
