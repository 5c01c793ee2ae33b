#pragma once

namespace tolvane {

// The detail boxes of the record panel, by what they show.
enum DetailField : int {
    kNameBox,
    kDllBox,
    kExplanationBox,
    kDeclarationBox,
    kParametersBox,
    kSampleCodeBox,
    kReturnValueBox,
    kIdBox,  // which record is on view; it takes no typing
    kDetailBoxCount
};

}  // namespace tolvane
