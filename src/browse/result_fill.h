#pragma once

#include <chrono>
#include <functional>

namespace tolvane {

class Recordset;
class ResultListModel;

enum class FillEnd { Finished, Stopped };

// Appends every remaining row of `rows` to `list`: the row's name as text (a
// Null name as empty text) and its ID as item data, in the order the rows
// come. Rows are gathered in batches; whenever `slice` of filling has passed,
// the batch is appended and `yield` runs (the window processes its input).
// When `yield` returns false the fill stops at once: what was appended stays,
// nothing more is. Engine failures propagate as tolvane::Error.
FillEnd fillResults(Recordset& rows, ResultListModel& list, std::chrono::nanoseconds slice,
                    const std::function<bool()>& yield);

}  // namespace tolvane
