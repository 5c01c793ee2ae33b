#include "browse/form1.h"

namespace tolvane {

void Form1::Command5_Click() {}

}  // namespace tolvane
