#pragma once

#include "core/store/record.h"
#include "gui/detail_fields.h"

namespace tolvane {

// Where each detail box shows and what it shows.
struct BoxSpec {
    const char* objectName;
    bool multiLine;
    int left, top, width, height;
    Column column;  // the declaration box's column follows the form
};
inline constexpr BoxSpec kBoxes[kDetailBoxCount] = {
    {"nameBox", false, 3750, 120, 2880, 300, Column::Name},
    {"dllBox", false, 3750, 870, 2880, 300, Column::Dll},
    {"explanationBox", true, 3750, 1650, 7650, 930, Column::Explain},
    {"declarationBox", true, 3750, 2610, 7650, 1170, Column::Declare},
    {"parametersBox", true, 3750, 3810, 7650, 1410, Column::Parameter},
    {"sampleCodeBox", true, 3750, 5250, 7650, 1110, Column::Recode},
    {"returnValueBox", true, 3750, 6420, 7650, 690, Column::Returned},
    {"idBox", false, 7350, 900, 585, 270, Column::Id},
};

}  // namespace tolvane
