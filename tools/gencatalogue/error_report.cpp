#include "error_report.h"

#include <algorithm>
#include <map>

namespace tolvane::gen {

namespace {

constexpr Failure kZero = Failure::Zero, kAllOnes = Failure::AllOnes;

// Functions whose documentation says that on failure they return the value
// given here and that GetLastError tells why. Reviewed one by one against
// the platform documentation; functions whose failing result can also be a
// valid one and which ask the caller to clear the last error first
// (SetWindowLong, TlsGetValue), functions whose 0 is an answer rather than a
// failure (EqualSid, IsClipboardFormatAvailable) and functions that free and
// return a handle (GlobalFree, LocalFree) are not listed.
const std::vector<LastErrorEntry> kTable = {
    // files and folders
    {"CreateFile", kAllOnes}, {"ReadFile", kZero}, {"WriteFile", kZero}, {"CloseHandle", kZero},
    {"DeleteFile", kZero}, {"CopyFile", kZero}, {"CopyFileEx", kZero}, {"MoveFile", kZero},
    {"MoveFileEx", kZero}, {"ReplaceFile", kZero}, {"CreateDirectory", kZero},
    {"CreateDirectoryEx", kZero}, {"RemoveDirectory", kZero}, {"GetFileAttributes", kAllOnes},
    {"SetFileAttributes", kZero}, {"GetFileAttributesEx", kZero}, {"GetFileSize", kAllOnes},
    {"GetFileSizeEx", kZero}, {"SetFilePointer", kAllOnes}, {"SetFilePointerEx", kZero},
    {"SetEndOfFile", kZero}, {"FlushFileBuffers", kZero}, {"GetFileTime", kZero},
    {"SetFileTime", kZero}, {"GetFileInformationByHandle", kZero}, {"LockFile", kZero},
    {"UnlockFile", kZero}, {"LockFileEx", kZero}, {"UnlockFileEx", kZero},
    {"FindFirstFile", kAllOnes}, {"FindFirstFileEx", kAllOnes}, {"FindNextFile", kZero},
    {"FindClose", kZero}, {"FindFirstChangeNotification", kAllOnes},
    {"FindNextChangeNotification", kZero}, {"FindCloseChangeNotification", kZero},
    {"ReadDirectoryChangesW", kZero}, {"GetTempPath", kZero}, {"GetTempFileName", kZero},
    {"GetCurrentDirectory", kZero}, {"SetCurrentDirectory", kZero}, {"GetFullPathName", kZero},
    {"GetShortPathName", kZero}, {"GetLongPathName", kZero}, {"SearchPath", kZero},
    {"GetWindowsDirectory", kZero}, {"GetSystemDirectory", kZero},
    {"GetSystemWindowsDirectory", kZero}, {"GetCompressedFileSize", kAllOnes},
    {"GetFinalPathNameByHandle", kZero}, {"CreateHardLink", kZero},
    {"GetVolumeInformation", kZero}, {"SetVolumeLabel", kZero}, {"GetDiskFreeSpace", kZero},
    {"GetDiskFreeSpaceEx", kZero}, {"GetLogicalDrives", kZero}, {"GetLogicalDriveStrings", kZero},
    {"QueryDosDevice", kZero}, {"DefineDosDevice", kZero}, {"FindFirstVolume", kAllOnes},
    {"FindNextVolume", kZero}, {"FindVolumeClose", kZero},
    {"GetVolumeNameForVolumeMountPoint", kZero}, {"DeviceIoControl", kZero},
    {"GetOverlappedResult", kZero}, {"CancelIo", kZero}, {"ReadFileEx", kZero},
    {"WriteFileEx", kZero}, {"CreateIoCompletionPort", kZero},
    {"GetQueuedCompletionStatus", kZero}, {"PostQueuedCompletionStatus", kZero},
    {"EncryptFile", kZero}, {"DecryptFile", kZero}, {"GetBinaryType", kZero},
    // pipes, mailslots, communication ports
    {"CreatePipe", kZero}, {"CreateNamedPipe", kAllOnes}, {"ConnectNamedPipe", kZero},
    {"DisconnectNamedPipe", kZero}, {"PeekNamedPipe", kZero}, {"WaitNamedPipe", kZero},
    {"CallNamedPipe", kZero}, {"TransactNamedPipe", kZero}, {"SetNamedPipeHandleState", kZero},
    {"GetNamedPipeInfo", kZero}, {"CreateMailslot", kAllOnes}, {"GetMailslotInfo", kZero},
    {"GetCommState", kZero}, {"SetCommState", kZero}, {"GetCommTimeouts", kZero},
    {"SetCommTimeouts", kZero}, {"SetupComm", kZero}, {"PurgeComm", kZero},
    {"ClearCommError", kZero}, {"EscapeCommFunction", kZero}, {"BuildCommDCB", kZero},
    // modules, processes, threads, memory
    {"GetModuleFileName", kZero}, {"GetModuleHandle", kZero}, {"GetModuleHandleEx", kZero},
    {"LoadLibrary", kZero}, {"LoadLibraryEx", kZero}, {"FreeLibrary", kZero},
    {"GetProcAddress", kZero}, {"CreateProcess", kZero}, {"CreateProcessAsUser", kZero},
    {"CreateProcessWithLogonW", kZero}, {"OpenProcess", kZero}, {"TerminateProcess", kZero},
    {"GetExitCodeProcess", kZero}, {"GetProcessTimes", kZero}, {"GetPriorityClass", kZero},
    {"SetPriorityClass", kZero}, {"GetProcessAffinityMask", kZero},
    {"SetProcessAffinityMask", kZero}, {"IsWow64Process", kZero}, {"GetProcessId", kZero},
    {"CreateThread", kZero}, {"CreateRemoteThread", kZero}, {"OpenThread", kZero},
    {"TerminateThread", kZero}, {"GetExitCodeThread", kZero}, {"GetThreadTimes", kZero},
    {"SuspendThread", kAllOnes}, {"ResumeThread", kAllOnes}, {"SetThreadPriority", kZero},
    {"SetThreadAffinityMask", kZero}, {"GetThreadContext", kZero}, {"SetThreadContext", kZero},
    {"GetThreadId", kZero}, {"TlsAlloc", kAllOnes}, {"TlsFree", kZero}, {"TlsSetValue", kZero},
    {"ReadProcessMemory", kZero}, {"WriteProcessMemory", kZero}, {"VirtualAlloc", kZero},
    {"VirtualAllocEx", kZero}, {"VirtualFree", kZero}, {"VirtualFreeEx", kZero},
    {"VirtualProtect", kZero}, {"VirtualProtectEx", kZero}, {"VirtualQuery", kZero},
    {"VirtualQueryEx", kZero}, {"VirtualLock", kZero}, {"VirtualUnlock", kZero},
    {"HeapCreate", kZero}, {"HeapDestroy", kZero}, {"HeapFree", kZero},
    {"GetProcessHeap", kZero}, {"GlobalAlloc", kZero}, {"GlobalLock", kZero},
    {"GlobalReAlloc", kZero}, {"GlobalSize", kZero}, {"LocalAlloc", kZero}, {"LocalLock", kZero},
    {"LocalReAlloc", kZero}, {"LocalSize", kZero}, {"GlobalMemoryStatusEx", kZero},
    {"CreateFileMapping", kZero}, {"OpenFileMapping", kZero}, {"MapViewOfFile", kZero},
    {"MapViewOfFileEx", kZero}, {"UnmapViewOfFile", kZero}, {"FlushViewOfFile", kZero},
    {"DuplicateHandle", kZero}, {"GetHandleInformation", kZero},
    {"SetHandleInformation", kZero}, {"CreateToolhelp32Snapshot", kAllOnes},
    {"Process32First", kZero}, {"Process32Next", kZero}, {"Module32First", kZero},
    {"Module32Next", kZero}, {"Thread32First", kZero}, {"Thread32Next", kZero},
    {"CreateJobObject", kZero}, {"OpenJobObject", kZero}, {"AssignProcessToJobObject", kZero},
    {"TerminateJobObject", kZero}, {"K32EnumProcesses", kZero},
    {"K32EnumProcessModules", kZero}, {"K32GetModuleBaseName", kZero},
    {"K32GetModuleFileNameEx", kZero}, {"K32GetProcessMemoryInfo", kZero},
    {"K32GetProcessImageFileName", kZero},
    // synchronisation
    {"CreateEvent", kZero}, {"OpenEvent", kZero}, {"SetEvent", kZero}, {"ResetEvent", kZero},
    {"PulseEvent", kZero}, {"CreateMutex", kZero}, {"OpenMutex", kZero}, {"ReleaseMutex", kZero},
    {"CreateSemaphore", kZero}, {"OpenSemaphore", kZero}, {"ReleaseSemaphore", kZero},
    {"CreateWaitableTimer", kZero}, {"OpenWaitableTimer", kZero}, {"SetWaitableTimer", kZero},
    {"CancelWaitableTimer", kZero}, {"WaitForSingleObject", kAllOnes},
    {"WaitForSingleObjectEx", kAllOnes}, {"WaitForMultipleObjects", kAllOnes},
    {"WaitForMultipleObjectsEx", kAllOnes}, {"MsgWaitForMultipleObjects", kAllOnes},
    // system information, environment, time, atoms, console
    {"GetComputerName", kZero}, {"SetComputerName", kZero}, {"GetComputerNameEx", kZero},
    {"GetUserName", kZero}, {"GetVersionEx", kZero}, {"GetEnvironmentVariable", kZero},
    {"SetEnvironmentVariable", kZero}, {"ExpandEnvironmentStrings", kZero},
    {"WritePrivateProfileString", kZero}, {"WriteProfileString", kZero},
    {"QueryPerformanceCounter", kZero}, {"QueryPerformanceFrequency", kZero},
    {"FileTimeToSystemTime", kZero}, {"SystemTimeToFileTime", kZero},
    {"FileTimeToLocalFileTime", kZero}, {"LocalFileTimeToFileTime", kZero},
    {"SetLocalTime", kZero}, {"SetSystemTime", kZero}, {"GetSystemPowerStatus", kZero},
    {"FormatMessage", kZero}, {"Beep", kZero}, {"GetLocaleInfo", kZero}, {"SetLocaleInfo", kZero},
    {"GetDateFormat", kZero}, {"GetTimeFormat", kZero}, {"GetNumberFormat", kZero},
    {"GetCurrencyFormat", kZero}, {"MultiByteToWideChar", kZero}, {"WideCharToMultiByte", kZero},
    {"CompareString", kZero}, {"LCMapString", kZero}, {"GetCPInfo", kZero},
    {"GlobalAddAtom", kZero}, {"GlobalFindAtom", kZero}, {"GlobalGetAtomName", kZero},
    {"AddAtom", kZero}, {"FindAtom", kZero}, {"GetAtomName", kZero}, {"AllocConsole", kZero},
    {"FreeConsole", kZero}, {"AttachConsole", kZero}, {"GetStdHandle", kAllOnes},
    {"SetStdHandle", kZero}, {"GetConsoleMode", kZero}, {"SetConsoleMode", kZero},
    {"SetConsoleTitle", kZero}, {"WriteConsole", kZero}, {"ReadConsole", kZero},
    {"SetConsoleTextAttribute", kZero}, {"GetConsoleScreenBufferInfo", kZero},
    {"SetConsoleCursorPosition", kZero}, {"FlushConsoleInputBuffer", kZero},
    {"GetNumberOfConsoleInputEvents", kZero}, {"SetConsoleCtrlHandler", kZero},
    {"GenerateConsoleCtrlEvent", kZero},
    // windows, classes, messages, dialogs
    {"CreateWindowEx", kZero}, {"DestroyWindow", kZero}, {"RegisterClass", kZero},
    {"RegisterClassEx", kZero}, {"UnregisterClass", kZero}, {"GetClassInfo", kZero},
    {"GetClassInfoEx", kZero}, {"MoveWindow", kZero}, {"SetWindowPos", kZero},
    {"GetWindowRect", kZero}, {"GetClientRect", kZero}, {"GetWindowText", kZero},
    {"GetWindowTextLength", kZero}, {"SetWindowText", kZero}, {"GetClassName", kZero},
    {"FindWindow", kZero}, {"FindWindowEx", kZero}, {"GetParent", kZero}, {"SetParent", kZero},
    {"GetWindow", kZero}, {"SetFocus", kZero}, {"GetWindowPlacement", kZero},
    {"SetWindowPlacement", kZero}, {"AdjustWindowRect", kZero}, {"AdjustWindowRectEx", kZero},
    {"SetLayeredWindowAttributes", kZero}, {"UpdateLayeredWindow", kZero},
    {"AnimateWindow", kZero}, {"GetGUIThreadInfo", kZero}, {"SetProp", kZero},
    {"GetDlgItem", kZero}, {"GetDlgItemText", kZero}, {"SetDlgItemText", kZero},
    {"SetDlgItemInt", kZero}, {"CheckDlgButton", kZero}, {"CreateDialogParam", kZero},
    {"CreateDialogIndirectParam", kZero}, {"EndDialog", kZero}, {"MessageBox", kZero},
    {"MessageBoxEx", kZero}, {"MessageBeep", kZero}, {"PostMessage", kZero},
    {"PostThreadMessage", kZero}, {"SendMessageTimeout", kZero}, {"RegisterWindowMessage", kZero},
    {"SetTimer", kZero}, {"KillTimer", kZero}, {"SetWindowsHookEx", kZero},
    {"UnhookWindowsHookEx", kZero}, {"RegisterHotKey", kZero}, {"UnregisterHotKey", kZero},
    {"SendInput", kZero}, {"GetKeyboardState", kZero}, {"SetKeyboardState", kZero},
    {"GetKeyNameText", kZero}, {"GetCursorPos", kZero}, {"SetCursorPos", kZero},
    {"ClipCursor", kZero}, {"GetClipCursor", kZero}, {"SystemParametersInfo", kZero},
    {"ExitWindowsEx", kZero}, {"LockWorkStation", kZero}, {"TranslateAccelerator", kZero},
    {"CreateAcceleratorTable", kZero}, {"LoadString", kZero},
    // resources, menus, clipboard
    {"LoadIcon", kZero}, {"LoadCursor", kZero}, {"LoadImage", kZero},
    {"LoadMenu", kZero}, {"DestroyIcon", kZero}, {"DestroyCursor", kZero},
    {"CreateIconIndirect", kZero}, {"GetIconInfo", kZero}, {"DrawIconEx", kZero},
    {"CreateMenu", kZero}, {"CreatePopupMenu", kZero}, {"DestroyMenu", kZero},
    {"AppendMenu", kZero}, {"InsertMenu", kZero}, {"InsertMenuItem", kZero}, {"ModifyMenu", kZero},
    {"DeleteMenu", kZero}, {"RemoveMenu", kZero}, {"SetMenu", kZero}, {"DrawMenuBar", kZero},
    {"GetMenuItemInfo", kZero}, {"SetMenuItemInfo", kZero}, {"GetMenuItemCount", kAllOnes},
    {"OpenClipboard", kZero}, {"CloseClipboard", kZero}, {"EmptyClipboard", kZero},
    {"GetClipboardData", kZero}, {"SetClipboardData", kZero}, {"RegisterClipboardFormat", kZero},
    // security, services, event log, cryptography
    {"OpenProcessToken", kZero}, {"OpenThreadToken", kZero}, {"AdjustTokenPrivileges", kZero},
    {"LookupPrivilegeValue", kZero}, {"GetTokenInformation", kZero}, {"DuplicateTokenEx", kZero},
    {"LogonUser", kZero}, {"ImpersonateLoggedOnUser", kZero}, {"RevertToSelf", kZero},
    {"LookupAccountName", kZero}, {"LookupAccountSid", kZero},
    {"ConvertSidToStringSid", kZero}, {"ConvertStringSidToSid", kZero},
    {"AllocateAndInitializeSid", kZero}, {"CopySid", kZero},
    {"InitializeSecurityDescriptor", kZero}, {"SetSecurityDescriptorDacl", kZero},
    {"InitiateSystemShutdown", kZero}, {"InitiateSystemShutdownEx", kZero},
    {"AbortSystemShutdown", kZero}, {"OpenSCManager", kZero}, {"OpenService", kZero},
    {"CreateService", kZero}, {"StartService", kZero}, {"ControlService", kZero},
    {"DeleteService", kZero}, {"CloseServiceHandle", kZero}, {"QueryServiceStatus", kZero},
    {"QueryServiceStatusEx", kZero}, {"QueryServiceConfig", kZero},
    {"ChangeServiceConfig", kZero}, {"EnumServicesStatus", kZero}, {"OpenEventLog", kZero},
    {"CloseEventLog", kZero}, {"RegisterEventSource", kZero}, {"DeregisterEventSource", kZero},
    {"ReportEvent", kZero}, {"ReadEventLog", kZero}, {"GetNumberOfEventLogRecords", kZero},
    {"CryptAcquireContext", kZero}, {"CryptReleaseContext", kZero}, {"CryptCreateHash", kZero},
    {"CryptHashData", kZero}, {"CryptGetHashParam", kZero}, {"CryptDestroyHash", kZero},
    {"CryptGenRandom", kZero}, {"CryptEncrypt", kZero}, {"CryptDecrypt", kZero},
    {"CryptDeriveKey", kZero}, {"CryptDestroyKey", kZero},
    // shell, version resources, printing, internet
    {"ShellExecuteEx", kZero}, {"GetFileVersionInfoSize", kZero}, {"GetFileVersionInfo", kZero},
    {"OpenPrinter", kZero}, {"ClosePrinter", kZero}, {"GetPrinter", kZero}, {"SetPrinter", kZero},
    {"EnumPrinters", kZero}, {"GetDefaultPrinter", kZero}, {"SetDefaultPrinter", kZero},
    {"StartDocPrinter", kZero}, {"EndDocPrinter", kZero}, {"StartPagePrinter", kZero},
    {"EndPagePrinter", kZero}, {"WritePrinter", kZero}, {"AddPrinter", kZero},
    {"DeletePrinter", kZero}, {"InternetOpen", kZero}, {"InternetOpenUrl", kZero},
    {"InternetConnect", kZero}, {"InternetReadFile", kZero}, {"InternetWriteFile", kZero},
    {"InternetCloseHandle", kZero}, {"InternetSetOption", kZero}, {"InternetQueryOption", kZero},
    {"InternetCrackUrl", kZero}, {"InternetCanonicalizeUrl", kZero},
    {"InternetFindNextFile", kZero}, {"HttpOpenRequest", kZero}, {"HttpSendRequest", kZero},
    {"HttpQueryInfo", kZero}, {"FtpGetFile", kZero}, {"FtpPutFile", kZero},
    {"FtpSetCurrentDirectory", kZero}, {"FtpCreateDirectory", kZero}, {"FtpDeleteFile", kZero},
    {"FtpFindFirstFile", kZero},
};

// Result types that are themselves the error code, and the values that mean
// failure: below 0 for the status types, anything but 0 for the others.
const std::vector<std::pair<const char*, Failure>> kCodeTypes = {
    {"HRESULT", Failure::Negative},        {"NTSTATUS", Failure::Negative},
    {"SECURITY_STATUS", Failure::Negative}, {"LSTATUS", Failure::NonZero},
    {"MMRESULT", Failure::NonZero},        {"MCIERROR", Failure::NonZero},
    {"NET_API_STATUS", Failure::NonZero},  {"RPC_STATUS", Failure::NonZero},
    {"CONFIGRET", Failure::NonZero},       {"DNS_STATUS", Failure::NonZero},
};

// Families that return a Win32 error code (ERROR_SUCCESS on success) in a
// plain LONG or DWORD: the registry functions, the WNet functions of mpr and
// the RAS functions.
struct CodeFamily {
    const char *dll, *prefix, *result;
};
const std::vector<CodeFamily> kCodeFamilies = {
    {"advapi32.dll", "Reg", "LONG"}, {"mpr.dll", "WNet", "DWORD"}, {"rasapi32.dll", "Ras", "DWORD"}};

}  // namespace

const std::vector<LastErrorEntry>& lastErrorTable() { return kTable; }

ErrorRule errorRuleOf(const std::string& name, const std::string& dll, const Function& f) {
    static const std::map<std::string, Failure> kByName = [] {
        std::map<std::string, Failure> m;
        for (const LastErrorEntry& e : kTable) m.emplace(e.name, e.failure);
        return m;
    }();
    if (auto it = kByName.find(name); it != kByName.end())
        return {ErrorReport::LastError, it->second, {}};
    // psapi.dll's classic names are kernel32's K32 functions under their old
    // name, and report errors the same way.
    if (auto it = kByName.find("K32" + name); dll == "psapi.dll" && it != kByName.end())
        return {ErrorReport::LastError, it->second, {}};
    const CType& result = *f.result;
    for (const auto& [type, failure] : kCodeTypes)
        if (result.hasName(type)) return {ErrorReport::ReturnedCode, failure, type};
    for (const CodeFamily& family : kCodeFamilies)
        if (dll == family.dll && name.starts_with(family.prefix) &&
            result.hasName(family.result) && result.kind == Kind::Integer)
            return {ErrorReport::ReturnedCode, Failure::NonZero, family.result};
    return {};
}

}  // namespace tolvane::gen
