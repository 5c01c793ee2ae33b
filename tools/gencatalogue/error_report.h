#pragma once
// How a function reports a failure, as far as it is known for certain: the
// functions of a reviewed table that set the thread's last error (with the
// result that means failure), and the functions whose result type is an
// error code (HRESULT, LSTATUS, ...). Anything else is left unstated: the
// headers do not say whether a function calls SetLastError.
#include <string>
#include <vector>

#include "c_model.h"

namespace tolvane::gen {

enum class ErrorReport { Unstated, LastError, ReturnedCode };

// The result that means failure.
enum class Failure {
    Zero,      // FALSE, NULL, 0
    AllOnes,   // -1 as a handle or number: INVALID_HANDLE_VALUE, INVALID_FILE_ATTRIBUTES,
               // WAIT_FAILED
    Negative,  // an HRESULT, NTSTATUS or SECURITY_STATUS below 0
    NonZero,   // an error code other than 0 (ERROR_SUCCESS, NERR_Success, MMSYSERR_NOERROR, ...)
};

struct ErrorRule {
    ErrorReport report = ErrorReport::Unstated;
    Failure failure = Failure::Zero;
    std::string codeType;  // ReturnedCode: "HRESULT", "LONG", ...
};

// `name` is the catalogue name (the generic name of a pair), `dll` the DLL's
// file name.
ErrorRule errorRuleOf(const std::string& name, const std::string& dll, const Function& f);

// The reviewed table of functions documented to set the last error on
// failure, with the failing result (data/last_error.tsv).
struct LastErrorEntry {
    std::string name;
    Failure failure;
};
const std::vector<LastErrorEntry>& lastErrorTable();

}  // namespace tolvane::gen
