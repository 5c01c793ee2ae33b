// The debounced name search. Filled in with the search feature.
#include "browse/form1.h"

namespace tolvane {

void Form1::T_Change() {}
void Form1::T_Click() {}
void Form1::Timer1_Timer() {}
void Form1::CoLei_Click() {}
void Form1::CoDll_Click() {}
void Form1::NameSearch() {}

}  // namespace tolvane
