// Declarations of well-known functions, types and constants, written and
// checked by hand against the headers, compared with the generated
// catalogue.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "tools/catalogue_rows.h"

namespace {

using tolvane::test::CatalogueRow;

std::string crlf(std::initializer_list<const char*> lines) {
    std::string out;
    for (const char* l : lines) {
        if (!out.empty()) out += "\r\n";
        out += l;
    }
    return out;
}

struct Golden {
    const char* name;
    int cls;
    const char* dll;
    std::string vb;
    std::string cs;
};

std::string dllImport(const char* attribute, const char* method) {
    return crlf({attribute, method});
}

const std::vector<Golden>& functions() {
    static const std::vector<Golden> g = {
        {"CreateFile", 11, "kernel32",
         R"(Declare Function CreateFile Lib "kernel32" Alias "CreateFileA" (ByVal lpFileName As String, ByVal dwDesiredAccess As Long, ByVal dwShareMode As Long, ByRef lpSecurityAttributes As SECURITY_ATTRIBUTES, ByVal dwCreationDisposition As Long, ByVal dwFlagsAndAttributes As Long, ByVal hTemplateFile As Long) As Long)",
         dllImport(R"([DllImport("kernel32.dll", CharSet = CharSet.Auto, SetLastError = true)])",
                   "static extern IntPtr CreateFile(string lpFileName, uint dwDesiredAccess, uint dwShareMode, ref SECURITY_ATTRIBUTES lpSecurityAttributes, uint dwCreationDisposition, uint dwFlagsAndAttributes, IntPtr hTemplateFile);")},
        {"ReadFile", 11, "kernel32",
         R"(Declare Function ReadFile Lib "kernel32" (ByVal hFile As Long, ByRef lpBuffer As Any, ByVal nNumberOfBytesToRead As Long, ByRef lpNumberOfBytesRead As Long, ByRef lpOverlapped As OVERLAPPED) As Long)",
         dllImport(R"([DllImport("kernel32.dll", SetLastError = true)])",
                   "static extern bool ReadFile(IntPtr hFile, IntPtr lpBuffer, uint nNumberOfBytesToRead, ref uint lpNumberOfBytesRead, ref OVERLAPPED lpOverlapped);")},
        {"WriteFile", 11, "kernel32",
         R"(Declare Function WriteFile Lib "kernel32" (ByVal hFile As Long, ByRef lpBuffer As Any, ByVal nNumberOfBytesToWrite As Long, ByRef lpNumberOfBytesWritten As Long, ByRef lpOverlapped As OVERLAPPED) As Long)",
         dllImport(R"([DllImport("kernel32.dll", SetLastError = true)])",
                   "static extern bool WriteFile(IntPtr hFile, IntPtr lpBuffer, uint nNumberOfBytesToWrite, ref uint lpNumberOfBytesWritten, ref OVERLAPPED lpOverlapped);")},
        {"CloseHandle", 16, "kernel32",
         R"(Declare Function CloseHandle Lib "kernel32" (ByVal hObject As Long) As Long)",
         dllImport(R"([DllImport("kernel32.dll", SetLastError = true)])",
                   "static extern bool CloseHandle(IntPtr hObject);")},
        {"GetWindowText", 3, "user32",
         R"(Declare Function GetWindowText Lib "user32" Alias "GetWindowTextA" (ByVal hWnd As Long, ByVal lpString As String, ByVal nMaxCount As Long) As Long)",
         dllImport(R"([DllImport("user32.dll", CharSet = CharSet.Auto)])",
                   "static extern int GetWindowText(IntPtr hWnd, StringBuilder lpString, int nMaxCount);")},
        {"SendMessage", 12, "user32",
         R"(Declare Function SendMessage Lib "user32" Alias "SendMessageA" (ByVal hWnd As Long, ByVal Msg As Long, ByVal wParam As Long, ByVal lParam As Long) As Long)",
         dllImport(R"([DllImport("user32.dll", CharSet = CharSet.Auto)])",
                   "static extern IntPtr SendMessage(IntPtr hWnd, uint Msg, IntPtr wParam, IntPtr lParam);")},
        {"PostMessage", 12, "user32",
         R"(Declare Function PostMessage Lib "user32" Alias "PostMessageA" (ByVal hWnd As Long, ByVal Msg As Long, ByVal wParam As Long, ByVal lParam As Long) As Long)",
         dllImport(R"([DllImport("user32.dll", CharSet = CharSet.Auto, SetLastError = true)])",
                   "static extern bool PostMessage(IntPtr hWnd, uint Msg, IntPtr wParam, IntPtr lParam);")},
        {"FindWindow", 3, "user32",
         R"(Declare Function FindWindow Lib "user32" Alias "FindWindowA" (ByVal lpClassName As String, ByVal lpWindowName As String) As Long)",
         dllImport(R"([DllImport("user32.dll", CharSet = CharSet.Auto, SetLastError = true)])",
                   "static extern IntPtr FindWindow(string lpClassName, string lpWindowName);")},
        {"RegOpenKeyEx", 4, "advapi32.dll",
         R"(Declare Function RegOpenKeyEx Lib "advapi32.dll" Alias "RegOpenKeyExA" (ByVal hKey As Long, ByVal lpSubKey As String, ByVal ulOptions As Long, ByVal samDesired As Long, ByRef phkResult As Long) As Long)",
         dllImport(R"([DllImport("advapi32.dll", CharSet = CharSet.Auto)])",
                   "static extern int RegOpenKeyEx(IntPtr hKey, string lpSubKey, uint ulOptions, uint samDesired, ref IntPtr phkResult);")},
        {"RegQueryValueEx", 4, "advapi32.dll",
         R"(Declare Function RegQueryValueEx Lib "advapi32.dll" Alias "RegQueryValueExA" (ByVal hKey As Long, ByVal lpValueName As String, ByRef lpReserved As Long, ByRef lpType As Long, ByRef lpData As Byte, ByRef lpcbData As Long) As Long)",
         dllImport(R"([DllImport("advapi32.dll", CharSet = CharSet.Auto)])",
                   "static extern int RegQueryValueEx(IntPtr hKey, string lpValueName, ref uint lpReserved, ref uint lpType, byte[] lpData, ref uint lpcbData);")},
        {"RegCloseKey", 4, "advapi32.dll",
         R"(Declare Function RegCloseKey Lib "advapi32.dll" (ByVal hKey As Long) As Long)",
         dllImport(R"([DllImport("advapi32.dll")])", "static extern int RegCloseKey(IntPtr hKey);")},
        {"GetSystemInfo", 4, "kernel32",
         R"(Declare Sub GetSystemInfo Lib "kernel32" (ByRef lpSystemInfo As SYSTEM_INFO))",
         dllImport(R"([DllImport("kernel32.dll")])",
                   "static extern void GetSystemInfo(ref SYSTEM_INFO lpSystemInfo);")},
        {"BitBlt", 7, "gdi32",
         R"(Declare Function BitBlt Lib "gdi32" (ByVal hdc As Long, ByVal x As Long, ByVal y As Long, ByVal cx As Long, ByVal cy As Long, ByVal hdcSrc As Long, ByVal x1 As Long, ByVal y1 As Long, ByVal rop As Long) As Long)",
         dllImport(R"([DllImport("gdi32.dll", SetLastError = true)])",
                   "static extern bool BitBlt(IntPtr hdc, int x, int y, int cx, int cy, IntPtr hdcSrc, int x1, int y1, uint rop);")},
        {"ShellExecute", 16, "shell32.dll",
         R"(Declare Function ShellExecute Lib "shell32.dll" Alias "ShellExecuteA" (ByVal hwnd As Long, ByVal lpOperation As String, ByVal lpFile As String, ByVal lpParameters As String, ByVal lpDirectory As String, ByVal nShowCmd As Long) As Long)",
         dllImport(R"([DllImport("shell32.dll", CharSet = CharSet.Auto, SetLastError = true)])",
                   "static extern IntPtr ShellExecute(IntPtr hwnd, string lpOperation, string lpFile, string lpParameters, string lpDirectory, int nShowCmd);")},
        {"GetOpenFileName", 11, "comdlg32.dll",
         R"(Declare Function GetOpenFileName Lib "comdlg32.dll" Alias "GetOpenFileNameA" (ByRef p1 As OPENFILENAME) As Long)",
         dllImport(R"([DllImport("comdlg32.dll", CharSet = CharSet.Auto, SetLastError = true)])",
                   "static extern bool GetOpenFileName(ref OPENFILENAME p1);")},
        {"GetTickCount", 4, "kernel32", R"(Declare Function GetTickCount Lib "kernel32" () As Long)",
         dllImport(R"([DllImport("kernel32.dll")])", "static extern uint GetTickCount();")},
        {"Sleep", 14, "kernel32", R"(Declare Sub Sleep Lib "kernel32" (ByVal dwMilliseconds As Long))",
         dllImport(R"([DllImport("kernel32.dll")])", "static extern void Sleep(uint dwMilliseconds);")},
        {"MessageBox", 3, "user32",
         R"(Declare Function MessageBox Lib "user32" Alias "MessageBoxA" (ByVal hWnd As Long, ByVal lpText As String, ByVal lpCaption As String, ByVal uType As Long) As Long)",
         dllImport(R"([DllImport("user32.dll", CharSet = CharSet.Auto)])",
                   "static extern int MessageBox(IntPtr hWnd, string lpText, string lpCaption, uint uType);")},
        {"GetModuleFileName", 14, "kernel32",
         R"(Declare Function GetModuleFileName Lib "kernel32" Alias "GetModuleFileNameA" (ByVal hModule As Long, ByVal lpFilename As String, ByVal nSize As Long) As Long)",
         dllImport(R"([DllImport("kernel32.dll", CharSet = CharSet.Auto)])",
                   "static extern uint GetModuleFileName(IntPtr hModule, StringBuilder lpFilename, uint nSize);")},
        {"GetComputerName", 4, "kernel32",
         R"(Declare Function GetComputerName Lib "kernel32" Alias "GetComputerNameA" (ByVal lpBuffer As String, ByRef nSize As Long) As Long)",
         dllImport(R"([DllImport("kernel32.dll", CharSet = CharSet.Auto, SetLastError = true)])",
                   "static extern bool GetComputerName(StringBuilder lpBuffer, ref uint nSize);")},
        {"GetCurrentProcessId", 14, "kernel32",
         R"(Declare Function GetCurrentProcessId Lib "kernel32" () As Long)",
         dllImport(R"([DllImport("kernel32.dll")])", "static extern uint GetCurrentProcessId();")},
        {"CreateMutex", 15, "kernel32",
         R"(Declare Function CreateMutex Lib "kernel32" Alias "CreateMutexA" (ByRef lpMutexAttributes As SECURITY_ATTRIBUTES, ByVal bInitialOwner As Long, ByVal lpName As String) As Long)",
         dllImport(R"([DllImport("kernel32.dll", CharSet = CharSet.Auto, SetLastError = true)])",
                   "static extern IntPtr CreateMutex(ref SECURITY_ATTRIBUTES lpMutexAttributes, bool bInitialOwner, string lpName);")},
        {"WaitForSingleObject", 15, "kernel32",
         R"(Declare Function WaitForSingleObject Lib "kernel32" (ByVal hHandle As Long, ByVal dwMilliseconds As Long) As Long)",
         dllImport(R"([DllImport("kernel32.dll")])",
                   "static extern uint WaitForSingleObject(IntPtr hHandle, uint dwMilliseconds);")},
        {"GetDC", 5, "user32", R"(Declare Function GetDC Lib "user32" (ByVal hWnd As Long) As Long)",
         dllImport(R"([DllImport("user32.dll", SetLastError = true)])", "static extern IntPtr GetDC(IntPtr hWnd);")},
        {"ReleaseDC", 5, "user32",
         R"(Declare Function ReleaseDC Lib "user32" (ByVal hWnd As Long, ByVal hDC As Long) As Long)",
         dllImport(R"([DllImport("user32.dll")])", "static extern int ReleaseDC(IntPtr hWnd, IntPtr hDC);")},
        {"SetWindowPos", 3, "user32",
         R"(Declare Function SetWindowPos Lib "user32" (ByVal hWnd As Long, ByVal hWndInsertAfter As Long, ByVal X As Long, ByVal Y As Long, ByVal cx As Long, ByVal cy As Long, ByVal uFlags As Long) As Long)",
         dllImport(R"([DllImport("user32.dll", SetLastError = true)])",
                   "static extern bool SetWindowPos(IntPtr hWnd, IntPtr hWndInsertAfter, int X, int Y, int cx, int cy, uint uFlags);")},
        {"GetWindowRect", 3, "user32",
         R"(Declare Function GetWindowRect Lib "user32" (ByVal hWnd As Long, ByRef lpRect As RECT) As Long)",
         dllImport(R"([DllImport("user32.dll", SetLastError = true)])",
                   "static extern bool GetWindowRect(IntPtr hWnd, ref RECT lpRect);")},
        {"WindowFromPoint", 3, "user32",
         R"(Declare Function WindowFromPoint Lib "user32" (ByVal Point_x As Long, ByVal Point_y As Long) As Long)",
         dllImport(R"([DllImport("user32.dll", SetLastError = true)])",
                   "static extern IntPtr WindowFromPoint(POINT Point);")},
        {"GetLastError", 4, "kernel32", R"(Declare Function GetLastError Lib "kernel32" () As Long)",
         dllImport(R"([DllImport("kernel32.dll")])", "static extern uint GetLastError();")},
        {"ExitProcess", 14, "kernel32", R"(Declare Sub ExitProcess Lib "kernel32" (ByVal uExitCode As Long))",
         dllImport(R"([DllImport("kernel32.dll")])", "static extern void ExitProcess(uint uExitCode);")},
        {"LoadLibrary", 14, "kernel32",
         R"(Declare Function LoadLibrary Lib "kernel32" Alias "LoadLibraryA" (ByVal lpLibFileName As String) As Long)",
         dllImport(R"([DllImport("kernel32.dll", CharSet = CharSet.Auto, SetLastError = true)])",
                   "static extern IntPtr LoadLibrary(string lpLibFileName);")},
        {"GetProcAddress", 14, "kernel32",
         R"(Declare Function GetProcAddress Lib "kernel32" (ByVal hModule As Long, ByVal lpProcName As String) As Long)",
         dllImport(R"([DllImport("kernel32.dll", CharSet = CharSet.Ansi, SetLastError = true)])",
                   "static extern IntPtr GetProcAddress(IntPtr hModule, string lpProcName);")},
        {"GetVersionEx", 4, "kernel32",
         R"(Declare Function GetVersionEx Lib "kernel32" Alias "GetVersionExA" (ByRef lpVersionInformation As OSVERSIONINFO) As Long)",
         dllImport(R"([DllImport("kernel32.dll", CharSet = CharSet.Auto, SetLastError = true)])",
                   "static extern bool GetVersionEx(ref OSVERSIONINFO lpVersionInformation);")},
        {"MultiByteToWideChar", 9, "kernel32",
         R"(Declare Function MultiByteToWideChar Lib "kernel32" (ByVal CodePage As Long, ByVal dwFlags As Long, ByVal lpMultiByteStr As String, ByVal cbMultiByte As Long, ByVal lpWideCharStr As Long, ByVal cchWideChar As Long) As Long)",
         dllImport(R"([DllImport("kernel32.dll")])",
                   "static extern int MultiByteToWideChar(uint CodePage, uint dwFlags, [MarshalAs(UnmanagedType.LPStr)] string lpMultiByteStr, int cbMultiByte, [MarshalAs(UnmanagedType.LPWStr)] StringBuilder lpWideCharStr, int cchWideChar);")},
        {"CreateProcess", 14, "kernel32",
         R"(Declare Function CreateProcess Lib "kernel32" Alias "CreateProcessA" (ByVal lpApplicationName As String, ByVal lpCommandLine As String, ByRef lpProcessAttributes As SECURITY_ATTRIBUTES, ByRef lpThreadAttributes As SECURITY_ATTRIBUTES, ByVal bInheritHandles As Long, ByVal dwCreationFlags As Long, ByRef lpEnvironment As Any, ByVal lpCurrentDirectory As String, ByRef lpStartupInfo As STARTUPINFO, ByRef lpProcessInformation As PROCESS_INFORMATION) As Long)",
         dllImport(R"([DllImport("kernel32.dll", CharSet = CharSet.Auto, SetLastError = true)])",
                   "static extern bool CreateProcess(string lpApplicationName, StringBuilder lpCommandLine, ref SECURITY_ATTRIBUTES lpProcessAttributes, ref SECURITY_ATTRIBUTES lpThreadAttributes, bool bInheritHandles, uint dwCreationFlags, IntPtr lpEnvironment, string lpCurrentDirectory, ref STARTUPINFO lpStartupInfo, ref PROCESS_INFORMATION lpProcessInformation);")},
        {"GetCursorPos", 4, "user32",
         R"(Declare Function GetCursorPos Lib "user32" (ByRef lpPoint As POINT) As Long)",
         dllImport(R"([DllImport("user32.dll", SetLastError = true)])",
                   "static extern bool GetCursorPos(ref POINT lpPoint);")},
        {"TextOut", 9, "gdi32",
         R"(Declare Function TextOut Lib "gdi32" Alias "TextOutA" (ByVal hdc As Long, ByVal x As Long, ByVal y As Long, ByVal lpString As String, ByVal c As Long) As Long)",
         dllImport(R"([DllImport("gdi32.dll", CharSet = CharSet.Auto, SetLastError = true)])",
                   "static extern bool TextOut(IntPtr hdc, int x, int y, string lpString, int c);")},
        {"lstrlen", 9, "kernel32",
         R"(Declare Function lstrlen Lib "kernel32" Alias "lstrlenA" (ByVal lpString As String) As Long)",
         dllImport(R"([DllImport("kernel32.dll", CharSet = CharSet.Auto)])", "static extern int lstrlen(string lpString);")},
        {"GetSystemMetrics", 4, "user32",
         R"(Declare Function GetSystemMetrics Lib "user32" (ByVal nIndex As Long) As Long)",
         dllImport(R"([DllImport("user32.dll")])", "static extern int GetSystemMetrics(int nIndex);")},
        {"GetDiskFreeSpaceEx", 11, "kernel32",
         R"(Declare Function GetDiskFreeSpaceEx Lib "kernel32" Alias "GetDiskFreeSpaceExA" (ByVal lpDirectoryName As String, ByRef lpFreeBytesAvailableToCaller As Currency, ByRef lpTotalNumberOfBytes As Currency, ByRef lpTotalNumberOfFreeBytes As Currency) As Long)",
         dllImport(R"([DllImport("kernel32.dll", CharSet = CharSet.Auto, SetLastError = true)])",
                   "static extern bool GetDiskFreeSpaceEx(string lpDirectoryName, ref ulong lpFreeBytesAvailableToCaller, ref ulong lpTotalNumberOfBytes, ref ulong lpTotalNumberOfFreeBytes);")},
        {"GlobalAlloc", 4, "kernel32",
         R"(Declare Function GlobalAlloc Lib "kernel32" (ByVal uFlags As Long, ByVal dwBytes As Long) As Long)",
         dllImport(R"([DllImport("kernel32.dll", SetLastError = true)])",
                   "static extern IntPtr GlobalAlloc(uint uFlags, IntPtr dwBytes);")},
        {"SetFilePointer", 11, "kernel32",
         R"(Declare Function SetFilePointer Lib "kernel32" (ByVal hFile As Long, ByVal lDistanceToMove As Long, ByRef lpDistanceToMoveHigh As Long, ByVal dwMoveMethod As Long) As Long)",
         dllImport(R"([DllImport("kernel32.dll")])",
                   "static extern uint SetFilePointer(IntPtr hFile, int lDistanceToMove, ref int lpDistanceToMoveHigh, uint dwMoveMethod);")},
    };
    return g;
}

const std::vector<Golden>& types() {
    static const std::vector<Golden> g = {
        {"RECT", -1, "",
         crlf({"Type RECT", "    left As Long", "    top As Long", "    right As Long", "    bottom As Long", "End Type"}),
         crlf({"[StructLayout(LayoutKind.Sequential)]", "struct RECT", "{", "    public int left;", "    public int top;",
               "    public int right;", "    public int bottom;", "}"})},
        {"POINT", -1, "", crlf({"Type POINT", "    x As Long", "    y As Long", "End Type"}),
         crlf({"[StructLayout(LayoutKind.Sequential)]", "struct POINT", "{", "    public int x;", "    public int y;", "}"})},
        {"SYSTEMTIME", -1, "",
         crlf({"Type SYSTEMTIME", "    wYear As Integer", "    wMonth As Integer", "    wDayOfWeek As Integer",
               "    wDay As Integer", "    wHour As Integer", "    wMinute As Integer", "    wSecond As Integer",
               "    wMilliseconds As Integer", "End Type"}),
         crlf({"[StructLayout(LayoutKind.Sequential)]", "struct SYSTEMTIME", "{", "    public ushort wYear;",
               "    public ushort wMonth;", "    public ushort wDayOfWeek;", "    public ushort wDay;",
               "    public ushort wHour;", "    public ushort wMinute;", "    public ushort wSecond;",
               "    public ushort wMilliseconds;", "}"})},
        // The common dialog structures are byte-packed on 32-bit Windows.
        {"OPENFILENAME", -1, "",
         crlf({"Type OPENFILENAME", "    lStructSize As Long", "    hwndOwner As Long", "    hInstance As Long",
               "    lpstrFilter As String", "    lpstrCustomFilter As String", "    nMaxCustFilter As Long",
               "    nFilterIndex As Long", "    lpstrFile As String", "    nMaxFile As Long",
               "    lpstrFileTitle As String", "    nMaxFileTitle As Long", "    lpstrInitialDir As String",
               "    lpstrTitle As String", "    Flags As Long", "    nFileOffset As Integer",
               "    nFileExtension As Integer", "    lpstrDefExt As String", "    lCustData As Long",
               "    lpfnHook As Long", "    lpTemplateName As String", "    pvReserved As Long",
               "    dwReserved As Long", "    FlagsEx As Long", "End Type"}),
         crlf({"[StructLayout(LayoutKind.Sequential, CharSet = CharSet.Auto, Pack = 1)]", "struct OPENFILENAME", "{",
               "    public uint lStructSize;", "    public IntPtr hwndOwner;", "    public IntPtr hInstance;",
               "    public string lpstrFilter;", "    public string lpstrCustomFilter;", "    public uint nMaxCustFilter;",
               "    public uint nFilterIndex;", "    public string lpstrFile;", "    public uint nMaxFile;",
               "    public string lpstrFileTitle;", "    public uint nMaxFileTitle;", "    public string lpstrInitialDir;",
               "    public string lpstrTitle;", "    public uint Flags;", "    public ushort nFileOffset;",
               "    public ushort nFileExtension;", "    public string lpstrDefExt;", "    public IntPtr lCustData;",
               "    public IntPtr lpfnHook;", "    public string lpTemplateName;", "    public IntPtr pvReserved;",
               "    public uint dwReserved;", "    public uint FlagsEx;", "}"})},
        {"OSVERSIONINFO", -1, "",
         crlf({"Type OSVERSIONINFO", "    dwOSVersionInfoSize As Long", "    dwMajorVersion As Long",
               "    dwMinorVersion As Long", "    dwBuildNumber As Long", "    dwPlatformId As Long",
               "    szCSDVersion As String * 128", "End Type"}),
         crlf({"[StructLayout(LayoutKind.Sequential, CharSet = CharSet.Auto)]", "struct OSVERSIONINFO", "{",
               "    public uint dwOSVersionInfoSize;", "    public uint dwMajorVersion;", "    public uint dwMinorVersion;",
               "    public uint dwBuildNumber;", "    public uint dwPlatformId;",
               "    [MarshalAs(UnmanagedType.ByValTStr, SizeConst = 128)] public string szCSDVersion;", "}"})},
        {"SECURITY_ATTRIBUTES", -1, "",
         crlf({"Type SECURITY_ATTRIBUTES", "    nLength As Long", "    lpSecurityDescriptor As Long",
               "    bInheritHandle As Long", "End Type"}),
         crlf({"[StructLayout(LayoutKind.Sequential)]", "struct SECURITY_ATTRIBUTES", "{", "    public uint nLength;",
               "    public IntPtr lpSecurityDescriptor;", "    public bool bInheritHandle;", "}"})},
        {"FILETIME", -1, "", crlf({"Type FILETIME", "    dwLowDateTime As Long", "    dwHighDateTime As Long", "End Type"}),
         crlf({"[StructLayout(LayoutKind.Sequential)]", "struct FILETIME", "{", "    public uint dwLowDateTime;",
               "    public uint dwHighDateTime;", "}"})},
        {"PROCESS_INFORMATION", -1, "",
         crlf({"Type PROCESS_INFORMATION", "    hProcess As Long", "    hThread As Long", "    dwProcessId As Long",
               "    dwThreadId As Long", "End Type"}),
         crlf({"[StructLayout(LayoutKind.Sequential)]", "struct PROCESS_INFORMATION", "{", "    public IntPtr hProcess;",
               "    public IntPtr hThread;", "    public uint dwProcessId;", "    public uint dwThreadId;", "}"})},
        {"GUID", -1, "",
         crlf({"Type GUID", "    Data1 As Long", "    Data2 As Integer", "    Data3 As Integer", "    Data4(0 To 7) As Byte",
               "End Type"}),
         crlf({"[StructLayout(LayoutKind.Sequential)]", "struct GUID", "{", "    public uint Data1;", "    public ushort Data2;",
               "    public ushort Data3;", "    [MarshalAs(UnmanagedType.ByValArray, SizeConst = 8)] public byte[] Data4;", "}"})},
        {"MSG", -1, "",
         crlf({"Type MSG", "    hwnd As Long", "    message As Long", "    wParam As Long", "    lParam As Long",
               "    time As Long", "    pt As POINT", "End Type"}),
         crlf({"[StructLayout(LayoutKind.Sequential)]", "struct MSG", "{", "    public IntPtr hwnd;", "    public uint message;",
               "    public IntPtr wParam;", "    public IntPtr lParam;", "    public uint time;", "    public POINT pt;", "}"})},
        // A union: VB holds its first largest member, C# overlays them all.
        {"LARGE_INTEGER", -1, "", crlf({"Type LARGE_INTEGER", "    LowPart As Long", "    HighPart As Long", "End Type"}),
         crlf({"[StructLayout(LayoutKind.Explicit, Size = 8)]", "struct LARGE_INTEGER", "{",
               "    [FieldOffset(0)] public uint LowPart;", "    [FieldOffset(4)] public int HighPart;",
               "    [FieldOffset(0)] public uint u_LowPart;", "    [FieldOffset(4)] public int u_HighPart;",
               "    [FieldOffset(0)] public long QuadPart;", "}"})},
    };
    return g;
}

const std::vector<Golden>& constants() {
    static const std::vector<Golden> g = {
        {"WM_CLOSE", 0, "", "Const WM_CLOSE = &H10&", "const int WM_CLOSE = 0x10;"},
        {"MB_OK", 0, "", "Const MB_OK = &H0&", "const int MB_OK = 0x0;"},
        {"INVALID_HANDLE_VALUE", 0, "", "Const INVALID_HANDLE_VALUE = -1", "const int INVALID_HANDLE_VALUE = -1;"},
        {"GENERIC_READ", 0, "", "Const GENERIC_READ = &H80000000&", "const uint GENERIC_READ = 0x80000000;"},
        {"GENERIC_WRITE", 0, "", "Const GENERIC_WRITE = &H40000000&", "const int GENERIC_WRITE = 0x40000000;"},
        {"HKEY_LOCAL_MACHINE", 0, "", "Const HKEY_LOCAL_MACHINE = &H80000002&",
         "const int HKEY_LOCAL_MACHINE = -2147483646;"},
        {"SW_SHOW", 0, "", "Const SW_SHOW = 5", "const int SW_SHOW = 5;"},
        {"MAX_PATH", 0, "", "Const MAX_PATH = 260", "const int MAX_PATH = 260;"},
        {"INFINITE", 0, "", "Const INFINITE = &HFFFFFFFF&", "const uint INFINITE = 0xFFFFFFFF;"},
        {"ERROR_SUCCESS", 0, "", "Const ERROR_SUCCESS = 0", "const int ERROR_SUCCESS = 0;"},
        {"SRCCOPY", 0, "", "Const SRCCOPY = &HCC0020&", "const uint SRCCOPY = 0xCC0020;"},
        {"E_FAIL", 0, "", "Const E_FAIL = &H80004005&", "const int E_FAIL = -2147467259;"},
        {"WM_USER", 0, "", "Const WM_USER = &H400&", "const int WM_USER = 0x400;"},
        {"FILE_ATTRIBUTE_NORMAL", 0, "", "Const FILE_ATTRIBUTE_NORMAL = &H80&",
         "const int FILE_ATTRIBUTE_NORMAL = 0x80;"},
        {"CREATE_ALWAYS", 0, "", "Const CREATE_ALWAYS = 2", "const int CREATE_ALWAYS = 2;"},
        {"HWND_BROADCAST", 0, "", "Const HWND_BROADCAST = &HFFFF&", "const int HWND_BROADCAST = 0xFFFF;"},
    };
    return g;
}

class GoldenCatalogue : public ::testing::Test {
protected:
    static void SetUpTestSuite() { rows_ = new std::vector<CatalogueRow>(tolvane::test::readCatalogue(TOLVANE_GENERATED_CATALOGUE)); }
    static void TearDownTestSuite() { delete rows_; }

    static void check(const std::vector<Golden>& golden) {
        ASSERT_FALSE(rows_->empty()) << "cannot read " << TOLVANE_GENERATED_CATALOGUE;
        for (const Golden& g : golden) {
            SCOPED_TRACE(g.name);
            const CatalogueRow* row = nullptr;
            // Functions by name and any category; types and constants by class.
            for (const CatalogueRow& r : *rows_)
                if (r.name == g.name && (r.cls == g.cls || (g.cls > 0 && r.cls > 0))) row = &r;
            ASSERT_NE(row, nullptr) << "no record";
            EXPECT_EQ(row->cls, g.cls);
            EXPECT_EQ(row->libsclass, g.dll);
            EXPECT_EQ(row->declare, g.vb);
            EXPECT_EQ(row->csharp, g.cs);
        }
    }

    static std::vector<CatalogueRow>* rows_;
};

std::vector<CatalogueRow>* GoldenCatalogue::rows_ = nullptr;

TEST_F(GoldenCatalogue, WellKnownFunctionsHaveHandCheckedDeclarations) { check(functions()); }

TEST_F(GoldenCatalogue, WellKnownTypesHaveHandCheckedLayouts) { check(types()); }

TEST_F(GoldenCatalogue, WellKnownConstantsHaveHandCheckedValues) { check(constants()); }

TEST_F(GoldenCatalogue, ListHasAtLeastFiftyEntries) {
    EXPECT_GE(functions().size() + types().size() + constants().size(), 50u);
}

}  // namespace
