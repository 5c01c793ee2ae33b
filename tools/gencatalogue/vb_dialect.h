#pragma once
// The two Basic dialects the catalogue declares for. VB6 (and 32-bit VBA)
// has 32-bit pointers and no 64-bit integer; 64-bit VBA marks every Declare
// PtrSafe, holds pointers and handles in LongPtr (8 bytes) and 64-bit
// integers in LongLong, and aligns Type members to their size up to 8.
//
//   C                                   VB6         64-bit VBA
//   pointers, handles, callbacks,       Long        LongPtr
//   pointer-sized integers (*_PTR,
//   SIZE_T, WPARAM, LPARAM, LRESULT)
//   64-bit integers, LARGE_INTEGER      Currency    LongLong
//   Type member alignment cap           4           8
#include <string>

#include "layout_rules.h"

namespace tolvane::gen {

enum class VbDialect { Vb6, Vba64 };

// The largest alignment a Type member gets.
inline int vbMaxAlign(VbDialect d) { return d == VbDialect::Vba64 ? 8 : kVb6MaxAlign; }
// The type holding a pointer or handle.
inline std::string vbPointerType(VbDialect d) { return d == VbDialect::Vba64 ? "LongPtr" : "Long"; }
// The type holding a 64-bit integer.
inline std::string vbInt64Type(VbDialect d) {
    return d == VbDialect::Vba64 ? "LongLong" : "Currency";
}

}  // namespace tolvane::gen
