#include "synthetic_catalogue.h"

#include <sqlite3.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace tolvane::bench {

namespace {

// Changes whenever the rows made change, so that no stale file is reused.
constexpr int kGeneration = 3;

constexpr std::array kVerbs = {
    "Get",   "Set",        "Create",  "Delete", "Destroy", "Find",   "Enum",
    "Query", "Open",       "Close",   "Read",   "Write",   "Load",   "Show",
    "Is",    "Register",   "Send",    "Post",   "Copy",    "Move",   "Draw",
    "Fill",  "Select",     "Release", "Alloc",  "Free",    "Lock",   "Unlock",
    "Wait",  "Initialize", "Add",     "Remove", "Insert",  "Update", "Validate",
    "Map",   "Translate",  "Peek",    "Begin",  "End",     "Reg",    "Net"};
constexpr std::array kNouns = {
    "Window",    "Text",    "File",    "Process",  "Thread",    "Menu",    "DC",        "Bitmap",
    "Icon",      "Cursor",  "Font",    "Printer",  "Key",       "Value",   "Message",   "Dialog",
    "Brush",     "Pen",     "Region",  "Rect",     "Object",    "Handle",  "Module",    "Library",
    "Directory", "Path",    "Event",   "Mutex",    "Semaphore", "Service", "Clipboard", "Palette",
    "Device",    "Display", "Console", "Buffer",   "Pipe",      "Timer",   "Hook",      "Class",
    "Prop",      "Item",    "Control", "Scroll",   "Caret",     "Focus",   "Keyboard",  "Mouse",
    "System",    "Time",    "Locale",  "Token",    "Security",  "User",    "Volume",    "Drive",
    "Sound",     "Heap",    "Memory",  "Resource", "String",    "Atom",    "Color",     "Metrics",
    "Version",   "Name"};
constexpr std::array kSuffixes = {"",     "",   "",         "",      "Ex",   "A",  "W",
                                  "Info", "32", "Indirect", "Count", "Size", "Pos"};
constexpr std::array kConstantPrefixes = {"WM_", "MB_",    "SW_",      "WS_",
                                          "VK_", "ERROR_", "GENERIC_", "FILE_"};
constexpr std::array kDlls = {
    "advapi32.dll", "comdlg32.dll", "gdi32",  "imm32.dll",   "kernel32",  "lz32.dll",    "mpr.dll",
    "netapi32.dll", "shell32.dll",  "user32", "version.dll", "winmm.dll", "winspool.drv"};
constexpr std::array kPhrases = {
    "返回指定窗口的句柄",   "设置对象的属性",     "创建一个新的对象并返回其句柄",
    "枚举系统中的全部项目", "读取数据到缓冲区",   "释放先前分配的资源",
    "检查当前状态是否有效", "向窗口发送一条消息", "取得设备场景的信息"};
constexpr std::array kTypes = {"Long", "Integer", "String", "Any", "Byte"};

class Generator {
public:
    explicit Generator(unsigned seed) : rng_(seed) {}

    template <typename A>
    const char* pick(const A& a) {
        return a[std::uniform_int_distribution<std::size_t>(0, a.size() - 1)(rng_)];
    }
    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool chance(int percent) { return between(1, 100) <= percent; }

    std::string upper(std::string s) {
        for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return s;
    }
    std::string sentence(int phrases) {
        std::string s;
        for (int i = 0; i < phrases; ++i)
            s += std::string(pick(kPhrases)) + (i + 1 < phrases ? "，" : "。");
        return s;
    }

private:
    std::mt19937 rng_;
};

struct Row {
    std::string name, libsclass, explain, declare, csharp, parameter, recode, returned, othername,
        other;
    int cls;
};

Row makeRow(Generator& g) {
    Row r;
    const int kind = g.between(1, 100);
    if (kind <= 8) {
        r.name = std::string(g.pick(kConstantPrefixes)) + g.upper(g.pick(kNouns));
        if (g.chance(50)) r.name += "_" + g.upper(g.pick(kNouns));
        r.cls = 0;
        r.declare = "Const " + r.name + " = &H" + std::to_string(g.between(1, 65535));
        r.csharp = "const uint " + r.name + " = " + std::to_string(g.between(1, 65535)) + ";";
        r.explain = g.sentence(1);
        return r;
    }
    if (kind <= 12) {
        r.name = g.upper(g.pick(kNouns)) + g.upper(g.pick(kSuffixes));
        r.cls = -1;
        r.declare = "Type " + r.name + "\r\n";
        for (int i = g.between(2, 8); i > 0; --i)
            r.declare += "    " + std::string(g.pick(kNouns)) + " As " + g.pick(kTypes) + "\r\n";
        r.declare += "End Type";
        r.csharp = "struct " + r.name + " { }";
        r.explain = g.sentence(g.between(1, 3));
        return r;
    }
    r.name = std::string(g.pick(kVerbs)) + g.pick(kNouns);
    if (g.chance(50)) r.name += g.pick(kNouns);
    r.name += g.pick(kSuffixes);
    r.cls = g.between(1, 16);
    r.libsclass = g.pick(kDlls);
    const int params = g.between(0, 8);
    std::string vbParams, csParams;
    for (int i = 0; i < params; ++i) {
        const std::string p = std::string("lp") + g.pick(kNouns) + std::to_string(i);
        vbParams += (i ? ", ByVal " : "ByVal ") + p + " As " + g.pick(kTypes);
        csParams += (i ? ", uint " : "uint ") + p;
        r.parameter += p + "：" + g.sentence(1) + "\r\n";
    }
    r.declare = "Declare Function " + r.name + " Lib \"" + r.libsclass + "\" Alias \"" + r.name +
                "A\" (" + vbParams + ") As Long";
    r.csharp = "[DllImport(\"" + r.libsclass + "\")]\r\nstatic extern uint " + r.name + "(" +
               csParams + ");";
    r.explain = g.sentence(g.between(1, 4));
    if (g.chance(40)) {
        for (int i = g.between(2, 10); i > 0; --i)
            r.recode +=
                "Dim h" + std::string(g.pick(kNouns)) + " As Long ' " + g.sentence(1) + "\r\n";
    }
    r.returned = "Long，" + g.sentence(1);
    if (g.chance(50)) r.othername = r.name + "A " + r.name + "W";
    if (g.chance(15)) r.other = g.sentence(2);
    return r;
}

void check(int rc, sqlite3* db, const char* what) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw std::runtime_error(std::string(what) + ": " + sqlite3_errmsg(db));
}

std::string readText(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void bindText(sqlite3_stmt* st, int index, const std::string& text) {
    sqlite3_bind_text(st, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void build(const std::filesystem::path& path, int records) {
    sqlite3* db = nullptr;
    check(sqlite3_open(path.c_str(), &db), db, "open");
    check(sqlite3_exec(db, readText(TOLVANE_SOURCE_DIR "/data/schema.sql").c_str(), nullptr,
                       nullptr, nullptr),
          db, "schema");
    check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db, "begin");
    sqlite3_stmt* st = nullptr;
    check(sqlite3_prepare_v2(
              db,
              "INSERT INTO winfun (name, class, libsclass, win95, winnt, explain, declare, CSharp,"
              " parameter, recode, returned, othername, other)"
              " VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)",
              -1, &st, nullptr),
          db, "prepare");
    Generator g(20240611u);
    for (int i = 0; i < records; ++i) {
        const Row r = makeRow(g);
        bindText(st, 1, r.name);
        sqlite3_bind_int(st, 2, r.cls);
        bindText(st, 3, r.libsclass);
        bindText(st, 4, g.chance(90) ? "Yes" : "No");
        bindText(st, 5, "Yes");
        bindText(st, 6, r.explain);
        bindText(st, 7, r.declare);
        bindText(st, 8, r.csharp);
        bindText(st, 9, r.parameter);
        bindText(st, 10, r.recode);
        bindText(st, 11, r.returned);
        bindText(st, 12, r.othername);
        bindText(st, 13, r.other);
        check(sqlite3_step(st), db, "insert");
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db, "commit");
    sqlite3_close(db);
}

}  // namespace

std::string syntheticCatalogue(const std::string& folder, int records) {
    namespace fs = std::filesystem;
    fs::create_directories(folder);
    const fs::path path = fs::path(folder) / ("catalogue-" + std::to_string(kGeneration) + "-" +
                                              std::to_string(records) + ".mdb");
    if (!fs::exists(path)) {
        const fs::path partial = path.string() + ".part";
        fs::remove(partial);
        build(partial, records);
        fs::rename(partial, path);
    }
    return path.string();
}

std::string unindexedCatalogue(const std::string& folder, int records) {
    namespace fs = std::filesystem;
    const std::string source = syntheticCatalogue(folder, records);
    const fs::path path = fs::path(source).replace_extension(".unindexed.mdb");
    if (fs::exists(path)) return path.string();
    const fs::path partial = path.string() + ".part";
    fs::remove(partial);
    sqlite3* db = nullptr;
    check(sqlite3_open(partial.c_str(), &db), db, "open");
    // IDs 1..records times a prime that divides no such count: a fixed shuffle.
    const std::string sql = "ATTACH '" + source +
                            "' AS source; CREATE TABLE winfun AS SELECT * FROM source.winfun "
                            "ORDER BY (ID * 7919) % " +
                            std::to_string(records) + ";";
    check(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), db, "copy");
    sqlite3_close(db);
    fs::rename(partial, path);
    return path.string();
}

long long nameBytes(const std::string& path) {
    sqlite3* db = nullptr;
    check(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), db, "open");
    sqlite3_stmt* st = nullptr;
    check(sqlite3_prepare_v2(db, "SELECT sum(length(CAST(name AS BLOB))) FROM winfun", -1, &st,
                             nullptr),
          db, "prepare");
    check(sqlite3_step(st), db, "sum");
    const long long bytes = sqlite3_column_int64(st, 0);
    sqlite3_finalize(st);
    sqlite3_close(db);
    return bytes;
}

}  // namespace tolvane::bench
