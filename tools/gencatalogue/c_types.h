#pragma once
// Classification of C types shared by the VB and C# maps: which pointers are
// handles, which integers are pointer-sized, which pointers are strings.
#include "c_model.h"

namespace tolvane::gen {

enum class CharKind { None, Narrow, Wide };

// char (CHAR, CCH) or wchar_t (WCHAR, OLECHAR) at this level.
CharKind charKind(const CType& t);
// A pointer or array whose element is a character: a string.
CharKind stringKind(const CType& t);
// Pointer to a function: a callback.
bool isCallback(const CType& t);
// HANDLE, the H... typedefs, DECLARE_HANDLE pointers, pointers to opaque
// structures and to COM interfaces: values only ever passed on.
bool isHandle(const CType& t);
// INT_PTR, UINT_PTR, LONG_PTR, ULONG_PTR, DWORD_PTR, SIZE_T, WPARAM, LPARAM,
// LRESULT and the typedefs built on them: 32 bits here, 64 on Win64.
bool isPointerSized(const CType& t);
// A pointer to a pointer-sized integer (PULONG_PTR, SIZE_T*, DWORD_PTR*):
// the callee writes 8 bytes through it in a 64-bit process.
bool pointsToPointerSized(const CType& t);
// A char pointer parameter that carries bytes, not text: socket buffers and
// options (buf, optval) and the one-byte results of VarI1From* (pcOut).
bool isBinaryBuffer(const Param& p);
// A pointer parameter the documentation reserves (its name contains
// "Reserved" in any case, RegQueryValueEx's lpReserved): callers must pass 0, so it is
// passed by value as a number.
bool isReservedPointer(const Param& p);
// BSTR: a length-prefixed string that SysAllocString made and SysFreeString frees.
bool isBstr(const CType& t);
// A structure a function must get as the caller's own pointer: one the
// callee keeps after returning (FINDREPLACE, which the modeless find dialog
// uses until it closes), or one longer than its C type (ACL followed by its
// ACEs, ITEMIDLIST and others ending in a one-element array): a marshalled
// copy would be freed early or cut short.
bool passedByPointer(const CType& record);
// BOOL/WINBOOL: a 32-bit integer used as a truth value.
bool isBool(const CType& t);
// 64-bit integers, including the LARGE_INTEGER and ULARGE_INTEGER unions.
bool isInt64(const CType& t);
// A record passed or stored whole that the catalogue has a Type for.
bool isNamedRecord(const CType& t);
// Element type after all array levels, and the total element count.
const CType& arrayElement(const CType& t, long long& count);

}  // namespace tolvane::gen
