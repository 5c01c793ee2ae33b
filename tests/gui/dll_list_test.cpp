#include "core/store/vocabulary.h"
#include "support/window_fixture.h"

#include <QComboBox>

using namespace tolvane;
using namespace tolvane::test;

namespace {

QStringList items(const QComboBox& box) {
    QStringList out;
    for (int i = 0; i < box.count(); ++i) out.push_back(box.itemText(i));
    return out;
}

const QStringList kFixed = dllList();

}  // namespace

// After the fixed entries: every other spelling the catalogue holds, once,
// sorted without regard to case, and each finds its functions.
TEST_F(WindowTest, DllFilterListsEveryDllOfTheOpenCatalogueAndFindsItsFunctions) {
    sql(QStringLiteral(
        "INSERT INTO winfun (name, class, libsclass) VALUES"
        " ('InternetOpen', 13, 'wininet.dll'), ('InternetCloseHandle', 13, 'wininet.dll'),"
        " ('EnumProcesses', 14, 'psapi.dll'), ('InternetOfThings', 13, 'user32'),"
        " ('OleRun', 13, 'Ole32.dll'), ('OleX', 13, ''), ('NetX', 13, 'kernel32.dll')"));
    WindowUser& u = load();
    const QStringList shown = items(*u.dllFilter);
    ASSERT_GT(shown.size(), kFixed.size());
    EXPECT_EQ(shown.mid(0, kFixed.size()), kFixed);
    const QStringList added = shown.mid(kFixed.size());
    EXPECT_TRUE(added.contains("wininet.dll") && added.contains("psapi.dll"));
    QStringList sorted = added;
    std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    EXPECT_EQ(added, sorted);
    EXPECT_EQ(QStringList(added).removeDuplicates(), 0);
    for (const QString& dll : added) EXPECT_FALSE(kFixed.contains(dll)) << dll.toStdString();

    u.search(QStringLiteral("Internet"));
    u.pick(u.dllFilter, static_cast<int>(shown.indexOf("wininet.dll")));
    EXPECT_EQ(u.sortedEntries(), (QStringList{"InternetCloseHandle", "InternetOpen"}));
    u.pick(u.dllFilter, static_cast<int>(shown.indexOf("psapi.dll")));
    EXPECT_EQ(u.entries(), QStringList());
    u.search(QStringLiteral("Enum"));
    EXPECT_EQ(u.entries(), QStringList{"EnumProcesses"});
}
