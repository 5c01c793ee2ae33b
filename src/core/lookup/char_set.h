#pragma once

#include <bitset>
#include <vector>

namespace tolvane {

// The characters one bracket list of a pattern stands for, compiled so that
// a lookup costs the same however long the list is: a bitmap for code points
// below 256 and sorted, disjoint ranges for the rest.
//
// Letters ignore case by this rule: a character belongs to the list when it,
// or any character with the same case folding, lies in one of the listed
// characters or ranges. Ranges are taken as written, before folding: [Z-a]
// holds Z [ \ ] ^ _ ` a, and so also z and A. Folding the ends first would
// make it the inverted range z..a, which holds nothing.
class CharSet {
public:
    struct Range {
        char32_t low, high;  // inclusive, low <= high
    };

    CharSet(std::vector<Range> ranges, bool negated);

    // c must be case-folded (foldCase).
    bool contains(char32_t folded) const {
        const bool listed = folded < 256 ? bool(low_[folded]) : inHigh(folded);
        return listed != negated_;
    }

private:
    bool inHigh(char32_t folded) const;

    std::bitset<256> low_;
    std::vector<Range> high_;
    bool negated_;
};

// Simple case folding of one code point, with an ASCII fast path.
char32_t foldCase(char32_t c);

}  // namespace tolvane
