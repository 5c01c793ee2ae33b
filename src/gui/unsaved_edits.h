#pragma once

#include "core/store/record.h"
#include "core/system/dialogs.h"

#include <functional>

namespace tolvane {

// What becomes of the edits of the record on view before the window leaves
// it (another record, a new search's first entry, another form, closing).
enum class PendingEdits {
    None,  // nothing edited: go on without asking
    Save,  // save them, and go on only when the save succeeds
    Drop,  // go on, losing them
    Keep,  // stay: the record and the edits remain on screen
};

// Edits are the columns a save writes whose values differ between what the
// controls held when the record was shown (`asShown`) and what they hold now
// (`now`). When there are any, `ask` puts the question
// "是否保存对 '<name>' 的修改？" (是/否/取消) with the shown record's name, and
// its answer decides; closing the box keeps them.
PendingEdits pendingEdits(const Record& asShown, const Record& now, const ColumnSet& columns,
                          const std::function<Answer(const QString& question)>& ask);

}  // namespace tolvane
