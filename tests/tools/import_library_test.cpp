#include "import_library.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "dll_choice.h"

namespace {

using tolvane::gen::Export;
using tolvane::gen::readImportLibrary;

void put16(std::string& s, uint16_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>(v >> 8);
}
void put32(std::string& s, uint32_t v) {
    put16(s, static_cast<uint16_t>(v));
    put16(s, static_cast<uint16_t>(v >> 16));
}

struct Section {
    std::string name, data;
};
struct Symbol {
    std::string name;
    int16_t section;  // 1-based, 0 undefined
};

// A COFF object as GNU dlltool writes them: sections, then external symbols
// with long names in the string table.
std::string coff(const std::vector<Section>& sections, const std::vector<Symbol>& symbols) {
    std::string out;
    const uint32_t headers = 20 + 40 * static_cast<uint32_t>(sections.size());
    uint32_t data = headers;
    for (const Section& s : sections) data += static_cast<uint32_t>(s.data.size());
    put16(out, 0x8664);
    put16(out, static_cast<uint16_t>(sections.size()));
    put32(out, 0);
    put32(out, data);  // symbol table after the raw data
    put32(out, static_cast<uint32_t>(symbols.size()));
    put16(out, 0);
    put16(out, 0);
    uint32_t at = headers;
    for (const Section& s : sections) {
        std::string name = s.name;
        name.resize(8, '\0');
        out += name;
        put32(out, 0);
        put32(out, 0);
        put32(out, static_cast<uint32_t>(s.data.size()));
        put32(out, at);
        out.append(16, '\0');
        at += static_cast<uint32_t>(s.data.size());
    }
    for (const Section& s : sections) out += s.data;
    std::string strings;
    for (const Symbol& sym : symbols) {
        put32(out, 0);
        put32(out, 4 + static_cast<uint32_t>(strings.size()));
        strings += sym.name + '\0';
        put32(out, 0);
        put16(out, static_cast<uint16_t>(sym.section));
        put16(out, 0);
        out += static_cast<char>(2);  // external
        out += static_cast<char>(0);
    }
    put32(out, 4 + static_cast<uint32_t>(strings.size()));
    return out + strings;
}

std::string shortImport(const std::string& symbol, const std::string& dll, int type, int nameType) {
    std::string out;
    put16(out, 0);
    put16(out, 0xFFFF);
    put16(out, 0);
    put16(out, 0x8664);
    put32(out, 0);
    put32(out, static_cast<uint32_t>(symbol.size() + dll.size() + 2));
    put16(out, 0);
    put16(out, static_cast<uint16_t>(type | nameType << 2));
    return out + symbol + '\0' + dll + '\0';
}

std::string archive(const std::vector<std::string>& members) {
    std::string out = "!<arch>\n";
    int n = 0;
    for (const std::string& m : members) {
        std::string header = "m" + std::to_string(n++) + ".o/";
        header.resize(48, ' ');
        std::string size = std::to_string(m.size());
        size.resize(10, ' ');
        out += header + size + "`\n" + m;
        if (m.size() & 1) out += '\n';
    }
    return out;
}

std::string thunk(const std::string& name, bool code) {
    std::vector<Section> sections = {{".text", code ? std::string("\xff\x25\0\0\0\0", 6) : ""},
                                     {".idata$6", std::string("\0\0", 2) + name + '\0'}};
    std::vector<Symbol> symbols = {{"__imp_" + name, 2}, {"_head_lib64_libfoo_a", 0}};
    if (code) symbols.push_back({name, 1});
    return coff(sections, symbols);
}

TEST(ImportLibrary, DlltoolMembersNameTheirDllThroughTheTail) {
    const std::string tail = coff({{".idata$7", std::string("FOO.dll\0", 8)}}, {{"__lib64_libfoo_a_iname", 1}});
    const std::vector<Export> exports =
        readImportLibrary(archive({thunk("DoThing", true), thunk("SomeTable", false), tail}));
    ASSERT_EQ(exports.size(), 2u);
    EXPECT_EQ(exports[0].name, "DoThing");
    EXPECT_EQ(exports[0].dll, "foo.dll");
    EXPECT_TRUE(exports[0].code);
    EXPECT_EQ(exports[1].name, "SomeTable");
    EXPECT_FALSE(exports[1].code);
}

TEST(ImportLibrary, ShortImportRecords) {
    const std::vector<Export> exports = readImportLibrary(archive({
        shortImport("Beep", "KERNEL32.dll", 0, 1),
        shortImport("_Data@4", "BAR.DLL", 1, 3),     // data, undecorated
        shortImport("ByOrdinal", "BAR.DLL", 0, 0),  // imported by ordinal: no name
    }));
    ASSERT_EQ(exports.size(), 2u);
    EXPECT_EQ(exports[0].name, "Beep");
    EXPECT_EQ(exports[0].dll, "kernel32.dll");
    EXPECT_TRUE(exports[0].code);
    EXPECT_EQ(exports[1].name, "Data");
    EXPECT_FALSE(exports[1].code);
}

TEST(ImportLibrary, DamagedInputYieldsWhatCanBeRead) {
    EXPECT_TRUE(readImportLibrary("").empty());
    EXPECT_TRUE(readImportLibrary("not an archive at all").empty());
    // A thunk whose head no tail names has no DLL.
    EXPECT_TRUE(readImportLibrary(archive({thunk("Orphan", true)})).empty());
    // Truncated in the middle of a member, or with sizes that point outside.
    std::string whole = archive({shortImport("Beep", "k.dll", 0, 1), shortImport("Exit", "k.dll", 0, 1)});
    EXPECT_EQ(readImportLibrary(whole.substr(0, whole.size() - 5)).size(), 1u);
    std::string bad = archive({std::string(200, '\x7f')});
    EXPECT_TRUE(readImportLibrary(bad).empty());
    std::string lying = whole;
    lying.replace(8 + 48, 10, "9999999999");
    EXPECT_TRUE(readImportLibrary(lying).empty());
}

TEST(DllChoice, SpellingAndExclusions) {
    using namespace tolvane::gen;
    EXPECT_EQ(libsclass("kernel32.dll"), "kernel32");
    EXPECT_EQ(libsclass("gdi32.dll"), "gdi32");
    EXPECT_EQ(libsclass("advapi32.dll"), "advapi32.dll");
    EXPECT_EQ(libsclass("winspool.drv"), "winspool.drv");
    EXPECT_EQ(listedPosition("advapi32.dll"), 1);
    EXPECT_EQ(listedPosition("winspool.drv"), 13);
    EXPECT_EQ(listedPosition("ole32.dll"), 0);
    EXPECT_TRUE(isExcludedDll("ntoskrnl.exe"));
    EXPECT_TRUE(isExcludedDll("ndis.sys"));
    EXPECT_TRUE(isExcludedDll("ucrtbase.dll"));
    EXPECT_FALSE(isExcludedDll("comctl32.dll"));
}

TEST(DllChoice, PreferenceOrder) {
    using tolvane::gen::chooseDll;
    const std::map<std::string, int> sizes = {{"kernel32.dll", 1600}, {"lz32.dll", 14}, {"advapi32.dll", 860},
                                              {"cryptsp.dll", 40},   {"crypt32.dll", 300}, {"ntdll.dll", 2000}};
    // The C library stays out even when ntdll exports the name as well.
    EXPECT_EQ(chooseDll({"msvcrt.dll", "ntdll.dll"}, {}, sizes), "");
    EXPECT_EQ(chooseDll({"ndis.sys"}, {}, sizes), "");
    // API sets only when no real DLL has the function.
    EXPECT_EQ(chooseDll({"api-ms-win-core-file-l1-1-0.dll", "kernel32.dll"}, {}, sizes), "kernel32.dll");
    EXPECT_EQ(chooseDll({"api-ms-win-core-file-l1-1-0.dll"}, {}, sizes), "api-ms-win-core-file-l1-1-0.dll");
    // Equal share of the header: the smaller library made for it.
    EXPECT_EQ(chooseDll({"kernel32.dll", "lz32.dll"}, {{"kernel32.dll", 12}, {"lz32.dll", 12}}, sizes), "lz32.dll");
    // Not exported by the header's home DLL: a listed DLL first.
    EXPECT_EQ(chooseDll({"cryptsp.dll", "advapi32.dll"},
                        {{"crypt32.dll", 200}, {"cryptsp.dll", 30}, {"advapi32.dll", 30}}, sizes),
              "advapi32.dll");
    EXPECT_EQ(chooseDll({"crypt32.dll", "advapi32.dll"}, {{"crypt32.dll", 200}, {"advapi32.dll", 30}}, sizes),
              "crypt32.dll");
}

}  // namespace
