#include "categories.h"

#include "vocabulary_data.h"

#include <regex>
#include <string_view>

namespace tolvane::gen {

namespace {

// The class a category of the catalogue's category list is stored as: the
// entry at list position p holds class p - 1.
constexpr int classOf(std::string_view key) {
    int position = 0;
    for (const auto& category : vocabulary_data::kCategories) {
        if (key == category.key) return position - 1;
        ++position;
    }
    throw "no such category in data/vocabulary.txt";
}

constexpr int kUncategorised = classOf("uncategorised"), kControl = classOf("controls"),
              kSystem = classOf("system"), kDeviceContext = classOf("device-contexts"),
              kDrawing = classOf("drawing"), kBitmap = classOf("bitmaps"), kMenu = classOf("menus"),
              kText = classOf("text"), kPrinting = classOf("printing"), kFile = classOf("files"),
              kMessage = classOf("messages"), kNetwork = classOf("network"),
              kProcess = classOf("processes"), kSync = classOf("synchronisation"),
              kOther = classOf("other");

const std::vector<CategoryRule> kRules = {
    {kSync, "", "",
     "Mutex|Semaphore|WaitFor|CriticalSection|Interlocked|SRWLock|ConditionVariable|"
     "SignalObjectAndWait|WaitableTimer|^(Create|Open|Set|Reset|Pulse)Event(Ex)?$"},
    {kNetwork,
     "^(ws2_32|wsock32|mpr|netapi32|wininet|iphlpapi|winhttp|dnsapi|rpcrt4|rpcns4|rpcdiag|mprapi|"
     "rasapi32|urlmon)\\.dll$",
     "", ""},
    {kNetwork, "", "^(winsock2?|ws2tcpip|mstcpip|winnetwk|wininet|iphlpapi|lm[a-z]*)\\.h$", ""},
    {kNetwork, "", "", "^(WNet|WSA|Internet|Ftp|Http|Gopher)|^Net[A-Z]"},
    {kPrinting, "^winspool\\.drv$", "", ""},
    {kPrinting, "", "",
     "^(Start|End)(Doc|Page)$|^AbortDoc$|^SetAbortProc$|^Escape$|^ExtEscape$|Printer|"
     "^DeviceCapabilities|^DocumentProperties|^PrintDlg|^PageSetupDlg"},
    {kProcess, "",
     "^(processthreadsapi|tlhelp32|psapi|jobapi|jobapi2|libloaderapi|threadpoolapiset|"
     "threadpoollegacyapiset)\\.h$",
     ""},
    {kProcess, "", "",
     "Process|Thread|Fiber|^Tls|^Fls|^Sleep(Ex)?$|^WinExec$|JobObject|^Module32|^Heap32|"
     "^LoadLibrary|^FreeLibrary|^GetProcAddress$|^GetModule|^GetCommandLine|^GetStartupInfo"},
    {kSync, "", "^synchapi\\.h$", ""},
    {kFile, "^lz32\\.dll$", "", ""},
    {kFile, "", "^(fileapi|lzexpand|ioapiset|namedpipeapi)\\.h$", ""},
    {kFile, "", "",
     "File|Directory|Drive|Volume|^Path[A-Z]|^_l(open|read|write|close|creat|lseek)$|"
     "PathName|^GetTempPath|^SearchPath|DiskFree|^FindFirst|^FindNext|^FindClose$|"
     "^SHBrowseForFolder|^SHGetFolderPath|^SHGetSpecialFolder|^GetFileTitle|^Ver(Find|Install)"},
    {kMenu, "", "", "Menu"},
    {kControl, "", "",
     "^MessageBox|^Get(Window|Client)Rect$|^AdjustWindowRect|^MapWindowPoints$|"
     "^ClientToScreen$|^ScreenToClient$|WindowText"},
    {kSystem, "", "",
     "^(Get|Set)CursorPos$|^(Get)?ClipCursor$|^ShowCursor$|^MessageBeep$|^Beep$|^FormatMessage"},
    {kMessage, "", "",
     "Message|WindowsHook|^CallNextHookEx$|^(Set|Kill)Timer$|^GetQueueStatus$|^GetInputState$|"
     "^CallWindowProc|^Def(Window|Dlg|Frame|MDIChild)Proc"},
    {kText, "", "",
     "Font|Text(Out|Color|Align|Extent|Metrics|CharacterExtra|Justification|Face)|^DrawText|"
     "^GrayString|Glyph|Charset|Kerning|^GetChar(Width|ABCWidths|acterPlacement)|^Char(Upper|Lower|"
     "Next|Prev|ToOem|Oem)|^lstr|^IsChar|^w(v)?sprintf|^CompareString|^LCMapString|"
     "^MultiByteToWideChar$|^WideCharToMultiByte$|^FoldString|^GetStringType|^GetRasterizerCaps"},
    {kDeviceContext, "", "",
     "DC($|Ex$|[A-Z])|^GetDeviceCaps$|MapMode|Viewport|^(Get|Set|Offset|Scale)Window(Org|Ext)|"
     "^(Select|Delete|Get|Enum)Objects?[AW]?$|^GetStockObject$|^GetCurrentObject$|"
     "^(DP|LP)to(LP|DP)$|Clip(Rgn|Box)|^(Exclude|Intersect)ClipRect$|^SelectClipPath$|"
     "GraphicsMode|Transform$|^CreateIC$|^(Get|Set)Layout$|^GetObjectType$|BkMode|BkColor|"
     "PolyFillMode|ArcDirection|BrushOrgEx|^(Get|Set)MapperFlags$"},
    {kBitmap, "", "",
     "Bitmap|Icon|Cursor|DIB|Blt$|^AlphaBlend$|^TransparentBlt$|^GradientFill$|^LoadImage|"
     "^CopyImage$|^DrawState|Rop2|ROP2|StretchBltMode|^ImageList_|^CreatePatternBrush$|"
     "^SetDIBitsToDevice$|^StretchDIBits$"},
    {kDrawing, "^(gdi32|user32|msimg32|opengl32)\\.dll$", "",
     "Line|^MoveTo|Rect(angle)?$|^RoundRect$|Ellipse|Polygon|Polyline|PolyBezier|PolyDraw|Arc|"
     "^Pie$|^Chord$|Pen|Brush|Rgn|Path|FloodFill|^DrawEdge$|^DrawFocusRect$|^DrawFrameControl$|"
     "Pixel|Palette|Color|ICM|MiterLimit|CurrentPosition|Visible$|^Gdi|Metafile|Paint|Figure|"
     "Region|^wgl|^(Invalidate|Validate)(Rect|Rgn)$|"
     "^GetUpdate(Rect|Rgn)$|^UpdateWindow$|^RedrawWindow$|^DrawAnimatedRects$"},
    {kSystem, "",
     "^(sysinfoapi|winreg|mmsystem|mmeapi|timeapi|playsoundapi|joystickapi|memoryapi|heapapi|"
     "timezoneapi|winsvc|powerbase|errhandlingapi|winnls|wincon|processenv|profileapi|"
     "datetimeapi|debugapi|wow64apiset|systemtopologyapi)\\.h$",
     ""},
    {kSystem, "", "",
     "System|Computer|Version|Memory|^Global|^Local(Alloc|Free|Lock|Unlock|ReAlloc|Size|Flags|"
     "Handle)$|^Heap|^Virtual|Keyboard|Key(State|NameText)|^MapVirtualKey|^keybd_event$|"
     "^mouse_event$|^SendInput$|Mouse|Sound|^(wave|midi|mixer|aux|joy|mci|mmio|time)[A-Z]|"
     "Time|Tick|Power|Display|Monitor|Environment|^Reg[A-Z]|^GetUserName|Locale|CodePage|"
     "^GetACP$|^GetOEMCP$|Service|PerformanceCounter|^GetLastError$|^SetLastError|"
     "^FormatMessage|^SetErrorMode$|^DeviceIoControl$|Comm(State|Timeouts|Mask|Event|Break|"
     "Error|Properties|Config)|^(Set|Escape|Purge|Clear|Transmit|Setup|Build)Comm|^ExitWindows|"
     "^LockWorkStation$|HwProfile"},
    {kOther, "", "^handleapi\\.h$", ""},
    {kOther, "", "",
     "^Imm|^SH|^Sh|^Drag|^Co[A-Z]|^Ole|^Crypt|^Cert|Token|Sid|Acl|Ace[A-Z]?|Security|"
     "Privilege|Audit|^Lsa|^Ver[A-Z]|Atom|Clipboard|^Str|^Url|^Hash|^Assoc"},
    {kSync, "", "^interlockedapi\\.h$", ""},
    {kControl, "^(user32|comctl32|comdlg32)\\.dll$", "", ""},
    {kSystem,
     "^(kernel32|ntdll|virtdisk|winscard|scarddlg|msvfw32|avifil32|avicap32|msacm32)\\.dll$", "",
     ""},
    {kOther,
     "^(shell32|shlwapi|shdocvw|mydocs|ole32|oleaut32|propsys|imm32|crypt32|cryptnet|bcrypt|"
     "ncrypt|softpub|credui|version|userenv|uxtheme|dwmapi|setupapi|advapi32)\\.dll$",
     "", ""},
};

struct Compiled {
    int category;
    std::regex dll, header, name;
    bool anyDll, anyHeader, anyName;
};

const std::vector<Compiled>& compiled() {
    static const std::vector<Compiled> rules = [] {
        std::vector<Compiled> out;
        for (const CategoryRule& r : kRules)
            out.push_back({r.category, std::regex(r.dll), std::regex(r.header), std::regex(r.name),
                           !*r.dll, !*r.header, !*r.name});
        return out;
    }();
    return rules;
}

}  // namespace

const std::vector<CategoryRule>& categoryRules() { return kRules; }

int categoryOf(const std::string& name, const std::string& header, const std::string& dll) {
    for (const Compiled& r : compiled()) {
        if (!r.anyDll && !std::regex_search(dll, r.dll)) continue;
        if (!r.anyHeader && !std::regex_search(header, r.header)) continue;
        if (!r.anyName && !std::regex_search(name, r.name)) continue;
        return r.category;
    }
    return kUncategorised;
}

}  // namespace tolvane::gen
