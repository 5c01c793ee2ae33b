#include "banner/md5.h"

#include "platform/error.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace tolvane {
namespace {

// Printable bytes that differ from their neighbours, so that a word or byte
// taken from the wrong place changes the digest.
QString patternText(int bytes) {
    const QString pattern =
        QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    QString s;
    while (s.size() < bytes) s += pattern;
    return s.left(bytes);
}

class Md5Test : public ::testing::Test {
protected:
    QString digest(const QString& text) { return HexDigest(text, dialogs); }
    test::ScriptedDialogs dialogs;
};

TEST_F(Md5Test, ReferenceSuiteInUpperCase) {
    const std::pair<const char*, const char*> suite[] = {
        {"", "D41D8CD98F00B204E9800998ECF8427E"},
        {"a", "0CC175B9C0F1B6A831C399E269772661"},
        {"abc", "900150983CD24FB0D6963F7D28E17F72"},
        {"message digest", "F96B697D7CB7938D525A2F31AAF161D0"},
        {"abcdefghijklmnopqrstuvwxyz", "C3FCD3D76192E4007DFB496CCA67E13B"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "D174AB98D277D9F5A5611C2C9F419D9F"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57EDF4A22BE3C955AC49DA2E2107B67A"},
    };
    for (const auto& [text, expected] : suite)
        EXPECT_EQ(digest(QString::fromLatin1(text)), QLatin1String(expected)) << '"' << text << '"';
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Md5Test, MessagesAroundTheBlockAndPaddingBoundaries) {
    const std::pair<int, const char*> cases[] = {
        {55, "1D5A07FC2D0628AE633AAA903C9744F3"},  {56, "CF990B93975191879797470B9A8A8EF8"},
        {57, "A0CE04A9361604455E817A9C6A7A8D26"},  {63, "CC7583C034C4A2452B1925DA835FEE98"},
        {64, "EED88A75B2F87FE85CD2BE267D6CC270"},  {119, "775C10756F9E83C2BE919A44B6A7BD85"},
        {120, "173367653A08C9FB2F1F1F8BBCC5EDAF"}, {121, "90644271E8240360546A1F7D301A451C"},
    };
    for (const auto& [bytes, expected] : cases)
        EXPECT_EQ(digest(patternText(bytes)), QLatin1String(expected)) << bytes << " bytes";
}

TEST_F(Md5Test, NonAsciiTextIsDigestedOverAllItsNarrowBytes) {
    // Each Chinese character is three bytes in UTF-8 and counts as such in
    // the bit length.
    EXPECT_EQ(digest(QStringLiteral("中文API函数")), "C049B3DE9F7D5C47AFC2162968894A2D");
}

TEST_F(Md5Test, LongestMessageIsDigested) {
    EXPECT_EQ(digest(patternText(32767)), "8D63C6090AC61DBCFB2BD6D5DE6626AA");
    // The limit counts bytes: 16383 two-byte characters and one ASCII letter.
    EXPECT_EQ(digest(QString(16383, QChar(0xE9)) + 'a'), "76B5DBE3336BB550BF1FF0A4499A968F");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Md5Test, LongerMessageShowsOverflowAndYieldsEmptyText) {
    EXPECT_EQ(digest(patternText(32768)), QString());
    // Fewer characters than the limit, but more bytes than it.
    EXPECT_EQ(digest(QString(16384, QChar(0xE9))), QString());
    ASSERT_EQ(dialogs.shown.size(), 2u);
    for (const auto& box : dialogs.shown) {
        EXPECT_EQ(box.text, describeError(err::Overflow));
        EXPECT_EQ(box.buttons, Buttons::Ok);
        EXPECT_EQ(box.icon, Icon::Critical);
    }
}

TEST_F(Md5Test, EveryDigestStartsFromAFreshRecord) {
    // A failed digest leaves its record half full; the next one must not
    // see any of it.
    digest(patternText(40000));
    EXPECT_EQ(digest(QStringLiteral("abc")), "900150983CD24FB0D6963F7D28E17F72");
    digest(patternText(100));
    EXPECT_EQ(digest(QStringLiteral("abc")), "900150983CD24FB0D6963F7D28E17F72");
}

}  // namespace
}  // namespace tolvane
