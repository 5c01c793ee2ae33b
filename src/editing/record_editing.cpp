#include "browse/form1.h"

namespace tolvane {

void Form1::Command1_Click() {}
void Form1::Command2_Click() {}
void Form1::Command7_Click() {}

}  // namespace tolvane
