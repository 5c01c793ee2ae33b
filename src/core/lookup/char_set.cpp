#include "core/lookup/char_set.h"

#include <QChar>

#include <algorithm>

namespace tolvane {

char32_t foldCase(char32_t c) {
    if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
    return QChar::toCaseFolded(c);
}

namespace {

using Range = CharSet::Range;

// Every code point that case folding changes, ascending (about 1 400 of
// them). Built once, on first use.
const std::vector<char32_t>& foldedAway() {
    static const std::vector<char32_t> list = [] {
        std::vector<char32_t> changed;
        for (char32_t c = 0; c <= 0x10FFFF; ++c)
            if (foldCase(c) != c) changed.push_back(c);
        return changed;
    }();
    return list;
}

// Sorts ranges and joins those that overlap or touch.
std::vector<Range> merged(std::vector<Range> ranges) {
    std::sort(ranges.begin(), ranges.end(),
              [](const Range& a, const Range& b) { return a.low < b.low; });
    std::vector<Range> out;
    for (const Range& r : ranges) {
        if (!out.empty() && r.low <= out.back().high + 1)
            out.back().high = std::max(out.back().high, r.high);
        else
            out.push_back(r);
    }
    return out;
}

bool within(const std::vector<Range>& sorted, char32_t c) {
    const auto after = std::upper_bound(sorted.begin(), sorted.end(), c,
                                        [](char32_t v, const Range& r) { return v < r.low; });
    return after != sorted.begin() && c <= std::prev(after)->high;
}

}  // namespace

CharSet::CharSet(std::vector<Range> ranges, bool negated) : negated_(negated) {
    // Characters are looked up folded, so each listed character that folding
    // changes adds its folded form. The listed characters themselves stay:
    // a folded lookup never asks for them, and keeping them avoids splitting
    // ranges.
    ranges = merged(std::move(ranges));
    std::vector<Range> withFolded = ranges;
    for (const char32_t c : foldedAway())
        if (within(ranges, c)) withFolded.push_back({foldCase(c), foldCase(c)});
    for (const Range& r : merged(std::move(withFolded))) {
        for (char32_t c = r.low; c <= r.high && c < 256; ++c) low_.set(c);
        if (r.high >= 256) high_.push_back({std::max<char32_t>(r.low, 256), r.high});
    }
}

bool CharSet::inHigh(char32_t folded) const { return within(high_, folded); }

}  // namespace tolvane
