#pragma once

namespace tolvane {

// The detail boxes of the record view, by what they show.
enum DetailField : int {
    kNameBox,
    kDllBox,
    kExplanationBox,
    kDeclarationBox,
    kParametersBox,
    kSampleCodeBox,
    kReturnValueBox,
    kIdBox,  // which record is on view; saving and deleting find the row by it
    kDetailBoxCount
};

}  // namespace tolvane
