#include "import_library.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "dll_choice.h"

namespace {

using tolvane::gen::Export;
using tolvane::gen::readImportLibrary;

// Appends each value little-endian in `bytes` bytes.
void le(std::string& s, int bytes, std::initializer_list<std::size_t> values) {
    for (std::size_t v : values)
        for (int i = 0; i < bytes; ++i) s += static_cast<char>(v >> (8 * i) & 0xFF);
}

struct Section {
    std::string name, data;
};
struct Symbol {
    std::string name;
    int section;  // 1-based, 0 undefined
};

// A COFF object as GNU dlltool writes them: sections, then external symbols
// with long names in the string table.
std::string coff(const std::vector<Section>& sections, const std::vector<Symbol>& symbols) {
    std::string out, strings;
    std::size_t at = 20 + 40 * sections.size();  // the raw data follows the headers
    std::size_t symbolTable = at;
    for (const Section& s : sections) symbolTable += s.data.size();
    le(out, 2, {0x8664, sections.size()});
    le(out, 4, {0, symbolTable, symbols.size()});
    le(out, 2, {0, 0});
    for (const Section& s : sections) {
        out += (s.name + std::string(8, '\0')).substr(0, 8);
        le(out, 4, {0, 0, s.data.size(), at, 0, 0, 0, 0});
        at += s.data.size();
    }
    for (const Section& s : sections) out += s.data;
    for (const Symbol& sym : symbols) {
        le(out, 4, {0, 4 + strings.size(), 0});
        le(out, 2, {static_cast<std::size_t>(sym.section), 0});
        le(out, 1, {2, 0});  // external
        strings += sym.name + '\0';
    }
    le(out, 4, {4 + strings.size()});
    return out + strings;
}

std::string shortImport(const std::string& symbol, const std::string& dll, int type, int nameType) {
    std::string out;
    le(out, 2, {0, 0xFFFF, 0, 0x8664});
    le(out, 4, {0, symbol.size() + dll.size() + 2});
    le(out, 2, {0, static_cast<std::size_t>(type | nameType << 2)});
    return out + symbol + '\0' + dll + '\0';
}

std::string archive(const std::vector<std::string>& members) {
    std::string out = "!<arch>\n";
    int n = 0;
    for (const std::string& m : members) {
        char header[61];  // name, size, end mark
        std::snprintf(header, sizeof header, "%-48s%-10zu`\n",
                      ("m" + std::to_string(n++) + ".o/").c_str(), m.size());
        out += header + m + (m.size() % 2 ? "\n" : "");
    }
    return out;
}

std::string thunk(const std::string& name, bool code,
                  const std::string& head = "_head_lib64_libfoo_a") {
    std::vector<Section> sections = {{".text", code ? std::string("\xff\x25\0\0\0\0", 6) : ""},
                                     {".idata$6", std::string("\0\0", 2) + name + '\0'}};
    std::vector<Symbol> symbols = {{"__imp_" + name, 2}, {head, 0}};
    if (code) symbols.push_back({name, 1});
    return coff(sections, symbols);
}

// "name dll code" or "name dll data" for each export.
std::vector<std::string> described(const std::vector<Export>& exports) {
    std::vector<std::string> out;
    for (const Export& e : exports)
        out.push_back(e.name + ' ' + e.dll + (e.code ? " code" : " data"));
    return out;
}

TEST(ImportLibrary, DlltoolMembersAndShortImportRecords) {
    const std::string tail =
        coff({{".idata$7", std::string("FOO.dll\0", 8)}}, {{"__lib64_libfoo_a_iname", 1}});
    EXPECT_EQ(described(readImportLibrary(
                  archive({thunk("DoThing", true), thunk("SomeTable", false), tail}))),
              (std::vector<std::string>{"DoThing foo.dll code", "SomeTable foo.dll data"}));
    EXPECT_EQ(described(readImportLibrary(archive({
                  shortImport("Beep", "KERNEL32.dll", 0, 1),
                  shortImport("_Data@4", "BAR.DLL", 1, 3),    // data, undecorated
                  shortImport("ByOrdinal", "BAR.DLL", 0, 0),  // imported by ordinal: no name
              }))),
              (std::vector<std::string>{"Beep kernel32.dll code", "Data bar.dll data"}));
}

// 32-bit objects put one more underscore before every C symbol; the export
// name in .idata$6 stays undecorated.
TEST(ImportLibrary, ThirtyTwoBitMembersLinkHeadAndTail) {
    const std::string tail =
        coff({{".idata$7", std::string("FOO.dll\0", 8)}}, {{"__libfoo_a_iname", 1}});
    EXPECT_EQ(
        described(readImportLibrary(archive({thunk("GetThing", true, "__head_libfoo_a"), tail}))),
        (std::vector<std::string>{"GetThing foo.dll code"}));
}

TEST(ImportLibrary, DamagedInputYieldsWhatCanBeRead) {
    EXPECT_TRUE(readImportLibrary("not an archive at all").empty());
    // A thunk whose head no tail names has no DLL.
    EXPECT_TRUE(readImportLibrary(archive({thunk("Orphan", true)})).empty());
    // Truncated in the middle of a member, or with sizes that point outside.
    std::string whole =
        archive({shortImport("Beep", "k.dll", 0, 1), shortImport("Exit", "k.dll", 0, 1)});
    EXPECT_EQ(readImportLibrary(whole.substr(0, whole.size() - 5)).size(), 1u);
    EXPECT_TRUE(readImportLibrary(archive({std::string(200, '\x7f')})).empty());
    whole.replace(8 + 48, 10, "9999999999");
    EXPECT_TRUE(readImportLibrary(whole).empty());
}

TEST(DllChoice, SpellingExclusionsAndPreference) {
    using namespace tolvane::gen;
    EXPECT_EQ(libsclass("kernel32.dll") + ' ' + libsclass("winspool.drv"), "kernel32 winspool.drv");
    EXPECT_EQ(listedPosition("winspool.drv"), 13);
    EXPECT_EQ(listedPosition("ole32.dll"), 0);
    EXPECT_TRUE(isExcludedDll("ntoskrnl.exe"));
    EXPECT_FALSE(isExcludedDll("comctl32.dll"));

    const std::map<std::string, int> sizes = {{"kernel32.dll", 1600}, {"lz32.dll", 14},
                                              {"advapi32.dll", 860},  {"cryptsp.dll", 40},
                                              {"crypt32.dll", 300},   {"ntdll.dll", 2000}};
    // The C library stays out even when ntdll exports the name as well.
    EXPECT_EQ(chooseDll({"msvcrt.dll", "ntdll.dll"}, {}, sizes), "");
    // API sets only when no real DLL has the function.
    EXPECT_EQ(chooseDll({"api-ms-win-core-file-l1-1-0.dll", "kernel32.dll"}, {}, sizes),
              "kernel32.dll");
    EXPECT_EQ(chooseDll({"api-ms-win-core-file-l1-1-0.dll"}, {}, sizes),
              "api-ms-win-core-file-l1-1-0.dll");
    // Equal share of the header: the smaller library made for it.
    EXPECT_EQ(
        chooseDll({"kernel32.dll", "lz32.dll"}, {{"kernel32.dll", 12}, {"lz32.dll", 12}}, sizes),
        "lz32.dll");
    // Not exported by the header's home DLL: a listed DLL first.
    EXPECT_EQ(chooseDll({"cryptsp.dll", "advapi32.dll"},
                        {{"crypt32.dll", 200}, {"cryptsp.dll", 30}, {"advapi32.dll", 30}}, sizes),
              "advapi32.dll");
    EXPECT_EQ(chooseDll({"crypt32.dll", "advapi32.dll"},
                        {{"crypt32.dll", 200}, {"advapi32.dll", 30}}, sizes),
              "crypt32.dll");
}

}  // namespace
