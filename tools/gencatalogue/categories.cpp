#include "categories.h"

#include <optional>
#include <regex>
#include <vector>

#include "fact_table.h"

namespace tolvane::gen {

namespace {

// Category numbers.
constexpr int kUncategorised = 2, kControl = 3, kSystem = 4, kDeviceContext = 5, kDrawing = 6,
              kBitmap = 7, kMenu = 8, kText = 9, kPrinting = 10, kFile = 11, kMessage = 12,
              kNetwork = 13, kProcess = 14, kSync = 15, kOther = 16;

// The names the rule table (data/categories.tsv) gives the categories.
int categoryNamed(const FactRow& row) {
    static const std::pair<const char*, int> kNames[] = {
        {"control", kControl}, {"system", kSystem},     {"device-context", kDeviceContext},
        {"drawing", kDrawing}, {"bitmap", kBitmap},     {"menu", kMenu},
        {"text", kText},       {"printing", kPrinting}, {"file", kFile},
        {"message", kMessage}, {"network", kNetwork},   {"process", kProcess},
        {"sync", kSync},       {"other", kOther}};
    for (const auto& [name, category] : kNames)
        if (row[0] == name) return category;
    badFact(row, "unknown category " + row[0]);
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
