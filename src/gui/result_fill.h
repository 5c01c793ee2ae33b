#pragma once

#include <QElapsedTimer>
#include <QVariant>

#include <chrono>
#include <functional>
#include <optional>

namespace tolvane {

class Recordset;
class ResultListModel;

// What a fill does after letting the window work: go on; stop, keeping every
// row read so far (Esc); or abandon, leaving the list alone because a newer
// search owns it now.
enum class FillStep { GoOn, Stop, Abandon };
enum class FillEnd { Finished, Stopped, Abandoned };

// Fills the result list with the rows of a search, which may arrive in
// several parts, while the window keeps working. Each row adds its name as
// text (a Null name as empty text) and its ID as item data, in the order the
// rows come; a row whose ID is no whole number is skipped and counted.
// Whenever `slice` of filling has passed, the window gets its turn through
// `yield`. Rows are staged as they are read and published in
// batches: before a turn once they are at least as many as the list shows,
// and at the end. Views lay the list out anew on every publication, so
// growing batches keep that work linear in the number of rows. Abandoning
// touches the list no more (what it staged stays unpublished until the list
// is cleared). Engine failures propagate as tolvane::Error.
class ResultFill {
public:
    ResultFill(ResultListModel& list, std::chrono::nanoseconds slice,
               std::function<FillStep()> yield);

    // Adds the remaining rows of one part. The window also gets its turn
    // after the part's last row when the slice has passed, so parts that
    // hold no row keep it answering as well. Finished: the part is used up.
    FillEnd add(Recordset& rows);
    // Publishes what is staged: the result is complete.
    void finish();
    // Rows skipped for an ID that is no whole number.
    qint64 skipped() const { return skipped_; }

private:
    // The window's turn once the slice has passed; how the fill ends when it
    // must not go on.
    std::optional<FillEnd> turn();

    ResultListModel& list_;
    std::chrono::nanoseconds slice_;
    std::function<FillStep()> yield_;
    QElapsedTimer sinceTurn_;
    qint64 skipped_ = 0;
};

}  // namespace tolvane
