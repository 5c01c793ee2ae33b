// The structural checks of VB and 64-bit VBA texts that the whole-catalogue
// tests rely on: each rejects what VB would refuse or run otherwise than meant.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "vb_check.h"

namespace {

using tolvane::gen::VbDialect;

TEST(VbCheck, CatchesWhatVbWouldReject) {
    const std::set<std::string> types = {"RECT"};
    const std::tuple<const char*, const char*, bool> declares[] = {
        {R"(Declare Function F Lib "a" (ByRef r As RECT) As Long)", "F", true},
        {R"(Declare Sub F Lib "a" Alias "FA" ())", "FA", true},
        {R"(Declare Function F Lib "a" ((ByVal x As Long) As Long)", "F", false},
        {R"(Declare Function F Lib "a" (ByVal x As DWORD) As Long)", "F", false},
        {R"(Declare Function F Lib "a" Alias "FW" () As Long)", "FA", false},
        {R"(Declare Sub F Lib "a" () As Long)", "F", false},
        {R"(Declare Function F Lib "a" (ByVal x As Long, ByVal X As Long) As Long)", "F", false},
        {R"(Declare Function F Lib "a" (x As Long) As Long)", "F", false},
    };
    for (const auto& [declare, exported, sound] : declares)
        EXPECT_EQ(tolvane::gen::checkVbDeclare(declare, exported, types).empty(), sound) << declare;
    const std::pair<const char*, bool> blocks[] = {
        {"Type T\r\n    a As Long\r\n    s As String * 8\r\n    b(0 To 3) As RECT\r\nEnd Type",
         true},
        {"Type T\r\n    a As Long\r\n    A As Long\r\nEnd Type", false},
        {"Type T\r\n    a As POINT\r\nEnd Type", false},
    };
    for (const auto& [block, sound] : blocks)
        EXPECT_EQ(tolvane::gen::checkVbType(block, types).empty(), sound) << block;
    // A Long constant in hexadecimal needs its "&"; without it VB reads an Integer.
    const std::pair<const char*, bool> constants[] = {{"Const A = &H80000000&", true},
                                                      {"Const A = &H80000000", false},
                                                      {"Const A = 0x10", false}};
    for (const auto& [constant, sound] : constants)
        EXPECT_EQ(tolvane::gen::checkVbConst(constant).empty(), sound) << constant;
}

TEST(VbCheck, WantsPtrSafeExactlyIn64BitVba) {
    using tolvane::gen::checkVbDeclare;
    const std::string safe =
        R"(Declare PtrSafe Function A Lib "a" (ByVal h As LongPtr) As LongLong)";
    const std::string old = R"(Declare Function A Lib "a" (ByVal h As Long) As Long)";
    EXPECT_EQ(checkVbDeclare(safe, "A", {}, VbDialect::Vba64), "");
    EXPECT_NE(checkVbDeclare(safe, "A", {}, VbDialect::Vb6), "");
    EXPECT_NE(checkVbDeclare(old, "A", {}, VbDialect::Vba64), "");
    EXPECT_EQ(checkVbDeclare(old, "A", {}, VbDialect::Vb6), "");
    EXPECT_NE(
        checkVbDeclare(R"(Declare PtrSafe Function A Lib "a" (ByVal h As LongPtr) As Currency2)",
                       "A", {}, VbDialect::Vba64),
        "");
    EXPECT_NE(tolvane::gen::checkVbConst("Const X = 4294967296^", VbDialect::Vb6), "");
    EXPECT_NE(tolvane::gen::checkVbConst("Const X As Double = 4294967296  ' x", VbDialect::Vba64),
              "");
}

TEST(VbCheck, SampleCheckRejectsWhatVbWouldNotRunAsMeant) {
    const std::string info =
        R"(Declare Function GetInfo Lib "user32" (ByRef pInfo As INFO, ByVal n As Long) As Long)";
    const std::string bytes =
        R"(Declare Function Read Lib "user32" (ByRef b As Byte, ByVal n As Long) As Long)";
    // Each sample's lines joined by "|". Arrays go by their first element,
    // and UBound counts only arrays.
    const std::tuple<const std::string&, const char*, bool> samples[] = {
        {info,
         "Dim pInfo As INFO|Dim n As Long|Dim r As Long|pInfo.cb = Len(pInfo)|r = GetInfo(pInfo, "
         "n)",
         true},
        {info, "Dim pInfo As Long|Dim n As Long|Dim r As Long|r = GetInfo(pInfo, n)", false},
        {info, "Dim pInfo As INFO|Dim r As Long|r = GetInfo(pInfo, n)", false},
        {info, "Dim pInfo As INFO|Dim n As Long|Dim r As Long|r = GetInfo(pInfo)", false},
        {info, "Dim pInfo As INFO|Dim n As Long|Dim r As String|r = GetInfo(pInfo, n)", false},
        {info, "Dim pInfo As INFO|Dim n As Long|Dim n As Long|Dim r As Long|r = GetInfo(pInfo, n)",
         false},
        {info,
         "Dim pInfo As INFO|Dim n As Long|Dim r As Long|n = String$(9, vbNullChar)|r = "
         "GetInfo(pInfo, n)",
         false},
        {info,
         "Dim pInfo As INFO|Dim n As Long|Dim r As Long|r = GetInfo(pInfo, n)|If n = 0 Then "
         "Debug.Print \"x\" & r",
         false},
        {info, "Dim pInfo As INFO|Dim n As Long", false},
        {info, "Dim pInfo As Any|Dim n As Long|Dim r As Long|r = GetInfo(pInfo, n)", false},
        {bytes,
         "Dim b(0 To 9) As Byte|Dim n As Long|Dim r As Long|n = UBound(b) + 1|r = Read(b(0), n)",
         true},
        {bytes, "Dim b(0 To 9) As Byte|Dim n As Long|Dim r As Long|r = Read(b, n)", false},
        {bytes, "Dim b As Byte|Dim n As Long|Dim r As Long|n = UBound(b) + 1|r = Read(b, n)",
         false},
        {bytes, "Dim b As Byte|Dim n As Long|Dim r As Long|r = Read(b(0), n)", false},
    };
    for (const auto& [declare, lines, sound] : samples) {
        std::string body = std::string("' VB6 示例\r\n") + lines;
        for (size_t i = body.find('|'); i != std::string::npos; i = body.find('|', i))
            body.replace(i, 1, "\r\n");
        EXPECT_EQ(tolvane::gen::checkVbSample(body, declare, {"INFO"}).empty(), sound) << lines;
    }
}

}  // namespace
