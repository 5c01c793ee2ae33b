#include "browse/form1.h"

namespace tolvane {

void Form1::ShowRecord(const QString&) {}
void Form1::L_Click() {}
void Form1::Goto_Click(int) {}

}  // namespace tolvane
