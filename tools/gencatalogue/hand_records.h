/* Hand-made records: functions and types that programs declare but the
 * headers hold only as macros, under another name, or for one target only.
 * The generator parses this file after the SDK headers (for both targets)
 * and maps every declaration with the same VB and C# maps and checks as the
 * headers' own; each carries, in its annotation,
 *   header=H   the header that defines the name (shown in the record),
 *   dll=D      the DLL it is catalogued under,
 *   export=E   the DLL's export name when it differs from the declared name,
 *   export32=E the export a 32-bit process calls instead, for a function
 *              that only the 64-bit DLL exports (the VB form, and the C#
 *              form in 32-bit processes, use it),
 *   only=32    exported by the 32-bit DLL alone, an export that the import
 *              libraries do not list (mingw-w64 implements it in the
 *              library itself); the platform documentation names the DLL,
 *   same=S     (structures) the structure this one equals under another name.
 * The generator fails when a DLL does not export the name given.
 * Review every change against the platform documentation. */
#define TOLVANE_RECORD(text) __attribute__((annotate("tolvane: " text)))

/* Memory copies: macros over memmove/memset in C, the Rtl exports of
 * kernel32 in every program that declares them itself. */
#undef CopyMemory
#undef MoveMemory
#undef ZeroMemory
#undef FillMemory
VOID WINAPI CopyMemory(PVOID Destination, CONST VOID* Source, SIZE_T Length)
    TOLVANE_RECORD("header=minwinbase.h dll=kernel32.dll export=RtlMoveMemory");
VOID WINAPI MoveMemory(PVOID Destination, CONST VOID* Source, SIZE_T Length)
    TOLVANE_RECORD("header=minwinbase.h dll=kernel32.dll export=RtlMoveMemory");
VOID WINAPI ZeroMemory(PVOID Destination, SIZE_T Length)
    TOLVANE_RECORD("header=minwinbase.h dll=kernel32.dll export=RtlZeroMemory");
VOID WINAPI FillMemory(PVOID Destination, SIZE_T Length, BYTE Fill)
    TOLVANE_RECORD("header=minwinbase.h dll=kernel32.dll export=RtlFillMemory");
#undef RtlMoveMemory
VOID WINAPI RtlMoveMemory(PVOID Destination, CONST VOID* Source, SIZE_T Length)
    TOLVANE_RECORD("header=winnt.h dll=kernel32.dll");

/* Interlocked operations: compiler intrinsics in C, stdcall exports of the
 * 32-bit kernel32 (the 64-bit one has none); mingw-w64's 32-bit kernel32
 * library carries its own copies instead of the imports. */
#undef InterlockedIncrement
#undef InterlockedDecrement
#undef InterlockedExchange
#undef InterlockedExchangeAdd
#undef InterlockedCompareExchange
LONG WINAPI InterlockedIncrement(LONG volatile* lpAddend)
    TOLVANE_RECORD("header=winbase.h dll=kernel32.dll only=32");
LONG WINAPI InterlockedDecrement(LONG volatile* lpAddend)
    TOLVANE_RECORD("header=winbase.h dll=kernel32.dll only=32");
LONG WINAPI InterlockedExchange(LONG volatile* Target, LONG Value)
    TOLVANE_RECORD("header=winbase.h dll=kernel32.dll only=32");
LONG WINAPI InterlockedExchangeAdd(LONG volatile* Addend, LONG Value)
    TOLVANE_RECORD("header=winbase.h dll=kernel32.dll only=32");
LONG WINAPI InterlockedCompareExchange(LONG volatile* Destination, LONG Exchange, LONG Comperand)
    TOLVANE_RECORD("header=winbase.h dll=kernel32.dll only=32");

/* Pointer-sized window and class data: 64-bit user32 exports the ...Ptr
 * functions, 32-bit user32 only the ...Long ones they stand for there. */
#undef GetWindowLongPtrA
#undef GetWindowLongPtrW
#undef SetWindowLongPtrA
#undef SetWindowLongPtrW
#undef GetClassLongPtrA
#undef GetClassLongPtrW
#undef SetClassLongPtrA
#undef SetClassLongPtrW
LONG_PTR WINAPI GetWindowLongPtrA(HWND hWnd, int nIndex)
    TOLVANE_RECORD("header=winuser.h dll=user32.dll export32=GetWindowLongA");
LONG_PTR WINAPI GetWindowLongPtrW(HWND hWnd, int nIndex)
    TOLVANE_RECORD("header=winuser.h dll=user32.dll export32=GetWindowLongW");
LONG_PTR WINAPI SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong)
    TOLVANE_RECORD("header=winuser.h dll=user32.dll export32=SetWindowLongA");
LONG_PTR WINAPI SetWindowLongPtrW(HWND hWnd, int nIndex, LONG_PTR dwNewLong)
    TOLVANE_RECORD("header=winuser.h dll=user32.dll export32=SetWindowLongW");
ULONG_PTR WINAPI GetClassLongPtrA(HWND hWnd, int nIndex)
    TOLVANE_RECORD("header=winuser.h dll=user32.dll export32=GetClassLongA");
ULONG_PTR WINAPI GetClassLongPtrW(HWND hWnd, int nIndex)
    TOLVANE_RECORD("header=winuser.h dll=user32.dll export32=GetClassLongW");
ULONG_PTR WINAPI SetClassLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong)
    TOLVANE_RECORD("header=winuser.h dll=user32.dll export32=SetClassLongA");
ULONG_PTR WINAPI SetClassLongPtrW(HWND hWnd, int nIndex, LONG_PTR dwNewLong)
    TOLVANE_RECORD("header=winuser.h dll=user32.dll export32=SetClassLongW");

/* The name VB programs give POINT. */
typedef struct TOLVANE_RECORD("header=windef.h same=POINT") POINTAPI {
    LONG x;
    LONG y;
} POINTAPI;
