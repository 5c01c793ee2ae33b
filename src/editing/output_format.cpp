#include "browse/form1.h"

namespace tolvane {

void Form1::Option1_Click(int) {}
void Form1::Command3_Click() {}
void Form1::TOut_GotFocus(int index) { CurOut = static_cast<std::int16_t>(index); }

}  // namespace tolvane
