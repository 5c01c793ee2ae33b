#include "browse/form1.h"

namespace tolvane {

void Form1::Command6_Click() {}
void Form1::TOut_KeyUp(int, int, int) {}

}  // namespace tolvane
