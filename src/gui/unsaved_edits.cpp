#include "gui/unsaved_edits.h"

namespace tolvane {

PendingEdits pendingEdits(const Record& asShown, const Record& now, const ColumnSet& columns,
                          const std::function<Answer(const QString& question)>& ask) {
    bool edited = false;
    for (int c = 0; c < kColumnCount && !edited; ++c) {
        const auto column = static_cast<Column>(c);
        edited = columns.has(column) && asShown.value(column) != now.value(column);
    }
    if (!edited) return PendingEdits::None;
    const QString name = asShown.text(Column::Name);
    switch (ask(QStringLiteral("是否保存对 '") + name + QStringLiteral("' 的修改？"))) {
    case Answer::Yes: return PendingEdits::Save;
    case Answer::No: return PendingEdits::Drop;
    default: return PendingEdits::Keep;
    }
}

}  // namespace tolvane
