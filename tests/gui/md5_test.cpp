#include "gui/md5.h"

#include "core/store/error.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace tolvane {
namespace {

// `bytes` printable bytes that differ from their neighbours, so that a word
// or byte taken from the wrong place changes the digest.
QString pattern(int bytes) {
    return QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ")
        .repeated(600)
        .left(bytes);
}

TEST(Md5Test, DigestsAreTheReferenceValuesInUpperCase) {
    const std::pair<QString, const char*> cases[] = {
        {"", "D41D8CD98F00B204E9800998ECF8427E"},
        {"abc", "900150983CD24FB0D6963F7D28E17F72"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "D174AB98D277D9F5A5611C2C9F419D9F"},
        {QStringLiteral("1234567890").repeated(8), "57EDF4A22BE3C955AC49DA2E2107B67A"},
        // Around the block and padding boundaries.
        {pattern(55), "1D5A07FC2D0628AE633AAA903C9744F3"},
        {pattern(56), "CF990B93975191879797470B9A8A8EF8"},
        {pattern(64), "EED88A75B2F87FE85CD2BE267D6CC270"},
        {pattern(119), "775C10756F9E83C2BE919A44B6A7BD85"},
        {pattern(120), "173367653A08C9FB2F1F1F8BBCC5EDAF"},
        // Three UTF-8 bytes per Chinese character, all counted in the length.
        {QStringLiteral("中文API函数"), "C049B3DE9F7D5C47AFC2162968894A2D"},
        // The longest message: 32767 bytes, also as 16383 two-byte characters.
        {pattern(32767), "8D63C6090AC61DBCFB2BD6D5DE6626AA"},
        {QString(16383, QChar(0xE9)) + 'a', "76B5DBE3336BB550BF1FF0A4499A968F"},
    };
    test::ScriptedDialogs dialogs;
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(md5Hex(text, dialogs), QLatin1String(expected)) << text.left(30).toStdString();
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(Md5Test, LongerMessageShowsOverflowYieldsEmptyAndLeavesNoTrace) {
    test::ScriptedDialogs dialogs;
    // 16384 characters of two bytes each are 32768 bytes.
    for (const QString& text : {pattern(32768), QString(16384, QChar(0xE9))}) {
        EXPECT_EQ(md5Hex(text, dialogs), QString());
        EXPECT_EQ(md5Hex("abc", dialogs), "900150983CD24FB0D6963F7D28E17F72");
    }
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text, describeError(err::Overflow));
    EXPECT_EQ(dialogs.shown[1].buttons, Buttons::Ok);
    EXPECT_EQ(dialogs.shown[1].icon, Icon::Critical);
}

}  // namespace
}  // namespace tolvane
