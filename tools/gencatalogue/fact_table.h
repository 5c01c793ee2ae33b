#pragma once
// The reviewed fact tables the generator reads (data/*.tsv): one fact a
// line, fields separated by tabs (a run of tabs counts as one, so columns
// may be aligned), "#" starting a comment (a line, or the rest of a row
// after a tab), blank lines ignored, "-" for an empty field.
#include <string>
#include <vector>

namespace tolvane::gen {

struct FactRow {
    std::vector<std::string> fields;
    std::string where;  // "file.tsv:12", for messages

    // The field at `i`, "" for "-" or a missing field.
    std::string operator[](size_t i) const;
};

// The rows of data/`name`; throws std::runtime_error when the file cannot be
// read or a row has fewer than `minFields` or more than `maxFields` fields.
std::vector<FactRow> readFacts(const std::string& name, size_t minFields, size_t maxFields);

// Throws std::runtime_error naming the row.
[[noreturn]] void badFact(const FactRow& row, const std::string& why);

}  // namespace tolvane::gen
