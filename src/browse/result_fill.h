#pragma once

#include <chrono>
#include <functional>

namespace tolvane {

class Recordset;
class ResultListModel;

// What a fill does after letting the window work: go on; stop, keeping every
// row read so far (Esc); or abandon, leaving the list alone because a newer
// search owns it now.
enum class FillStep { GoOn, Stop, Abandon };
enum class FillEnd { Finished, Stopped, Abandoned };

// Appends every remaining row of `rows` to `list`: the row's name as text (a
// Null name as empty text) and its ID as item data, in the order the rows
// come. Whenever `slice` of filling has passed, `yield` runs (the window
// processes its input). Rows are staged as they are read and published in
// batches: before a yield once they are at least as many as the list shows,
// and at the end. Views lay the list out anew on every publication, so
// growing batches keep that work linear in the number of rows. Abandoning
// touches the list no more (what it staged stays unpublished until the list
// is cleared). Engine failures propagate as tolvane::Error.
FillEnd fillResults(Recordset& rows, ResultListModel& list, std::chrono::nanoseconds slice,
                    const std::function<FillStep()>& yield);

}  // namespace tolvane
