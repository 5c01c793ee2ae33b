#include "categories.h"

#include <optional>
#include <regex>
#include <string_view>
#include <vector>

#include "fact_table.h"
#include "vocabulary_data.h"

namespace tolvane::gen {

namespace {

// The class a category of the catalogue's category list (data/vocabulary.txt)
// is stored as: the entry at list position p holds class p - 1. Nothing for
// a key the list lacks.
constexpr std::optional<int> classOf(std::string_view key) {
    int position = 0;
    for (const auto& category : vocabulary_data::kCategories) {
        if (key == category.key) return position - 1;
        ++position;
    }
    return std::nullopt;
}

constexpr int kUncategorised = *classOf("uncategorised");

// The category a rule of the table (data/categories.tsv) names by its key
// in the category list: one of the functions' categories.
int categoryNamed(const FactRow& row) {
    const std::optional<int> category = classOf(row[0]);
    if (!category || *category < kUncategorised) badFact(row, "unknown category " + row[0]);
    return *category;
}

// A rule: its category and the expressions over the DLL, the header and the
// name, each absent when any matches.
struct Rule {
    int category;
    std::optional<std::regex> dll, header, name;
};

const std::vector<Rule>& rules() {
    static const std::vector<Rule> table = [] {
        auto expression = [](const std::string& text) {
            return text.empty() ? std::nullopt : std::optional<std::regex>(text);
        };
        std::vector<Rule> out;
        for (const FactRow& row : readFacts("categories.tsv", 4, 4))
            out.push_back(
                {categoryNamed(row), expression(row[1]), expression(row[2]), expression(row[3])});
        return out;
    }();
    return table;
}

}  // namespace

int categoryOf(const std::string& name, const std::string& header, const std::string& dll) {
    for (const Rule& r : rules()) {
        if (r.dll && !std::regex_search(dll, *r.dll)) continue;
        if (r.header && !std::regex_search(header, *r.header)) continue;
        if (r.name && !std::regex_search(name, *r.name)) continue;
        return r.category;
    }
    return kUncategorised;
}

}  // namespace tolvane::gen
