#include "catalogue/open_mdb.h"
#include "platform/engine.h"
namespace tolvane {
bool OpenMDB(const Env&, const QString&, std::unique_ptr<Database>&, const QString&) { return false; }
void SelectMDB(const Env&, const QString&) {}
}
