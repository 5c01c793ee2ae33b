// The window and the catalogue generator read one vocabulary: the DLLs the
// filter lists are the ones the generator prefers and spells alike, and
// every category the generator assigns is an entry of the category list.
#include "core/store/vocabulary.h"

#include "categories.h"
#include "dll_choice.h"
#include "vocabulary_data.h"

#include <gtest/gtest.h>
#include <QFile>

#include <tuple>

using namespace tolvane;

TEST(VocabularyTest, TheGeneratorSpellsAndPrefersTheDllsTheFilterLists) {
    const QStringList& dlls = dllList();
    ASSERT_EQ(dlls.size(), 14);
    EXPECT_EQ(dlls[kAllLibrariesPosition], QStringLiteral("所有库类"));
    for (int position = 1; position < dlls.size(); ++position) {
        const std::string entry = dlls[position].toStdString();
        const std::string file = entry.find('.') == std::string::npos
                                     ? entry + ".dll"
                                     : entry;  // kernel32 is kernel32.dll
        EXPECT_EQ(gen::listedPosition(file), position) << file;
        EXPECT_EQ(gen::libsclass(file), entry);
    }
    EXPECT_EQ(gen::listedPosition("ole32.dll"), 0);
}

TEST(VocabularyTest, EveryCategoryTheGeneratorAssignsShowsAsAListEntry) {
    const QStringList& categories = categoryList();
    ASSERT_EQ(categories.size(), 18);
    EXPECT_EQ(categories[allCategoriesPosition()], QStringLiteral("所有分类"));
    const auto shown = [&](int cls) {
        const auto position = categoryPosition(qlonglong{cls});
        return position ? categories[*position] : QStringLiteral("(none)");
    };
    // Every category the generator's rule table names is a function's
    // category of the list.
    QFile rules(QStringLiteral(TOLVANE_SOURCE_DIR "/tools/gencatalogue/data/categories.tsv"));
    ASSERT_TRUE(rules.open(QIODevice::ReadOnly));
    int named = 0;
    for (const QByteArray& line : rules.readAll().split('\n')) {
        if (line.isEmpty() || line.startsWith('#')) continue;
        const QByteArray key = line.split('\t').front();
        int position = 0;
        while (position < 18 && key != vocabulary_data::kCategories[position].key) ++position;
        EXPECT_TRUE(position > allCategoriesPosition() + 1 && position < 18) << key.constData();
        ++named;
    }
    EXPECT_GT(named, 10);
    for (const auto& [name, header, dll, expected] :
         {std::tuple{"EnterCriticalSection", "synchapi.h", "kernel32.dll",
                     "同步函数(包括互斥体，信号机和事件函数)"},
          std::tuple{"WSAStartup", "winsock2.h", "ws2_32.dll", "网络函数"},
          std::tuple{"AppendMenu", "winuser.h", "user32.dll", "菜单函数"}})
        EXPECT_EQ(shown(gen::categoryOf(name, header, dll)), QString::fromUtf8(expected)) << name;
    EXPECT_EQ(shown(gen::categoryOf("NoRuleMatchesThis", "nothing.h", "nothing.dll")),
              QStringLiteral("未分类"));
}

// The record view shows class c at list position c + 1, reading c as the
// classic Val() reads text, halves rounding to even; none outside the list.
TEST(VocabularyTest, TheCategoryBoxReadsTheClassAsValDoes) {
    const std::pair<QVariant, std::optional<int>> classes[] = {{qlonglong(-1), 0},
                                                               {qlonglong(16), 17},
                                                               {QStringLiteral("4abc"), 5},
                                                               {QStringLiteral("  -1"), 0},
                                                               {QStringLiteral(".5x"), 2},
                                                               {1.5, 2},
                                                               {2.5, 4},
                                                               {QStringLiteral("1e1"), 11},
                                                               {QVariant(), std::nullopt},
                                                               {qlonglong(17), std::nullopt},
                                                               {qlonglong(-2), std::nullopt},
                                                               {1e300, std::nullopt}};
    for (const auto& [cls, position] : classes)
        EXPECT_EQ(categoryPosition(cls), position) << cls.toString().toStdString();
}
