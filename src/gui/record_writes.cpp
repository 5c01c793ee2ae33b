#include "gui/record_writes.h"

#include "core/system/dialogs.h"

namespace tolvane {

WriteOutcome saveEdits(CatalogueStore& store, Dialogs& dialogs, const Record& shown,
                       const Record& edited, const ColumnSet& changed, const ColumnSet& onScreen) {
    const Status saved = store.save(shown, edited, changed);
    if (saved.code() != StatusCode::RecordChanged) return {saved};
    switch (dialogs.messageBox(saved.message(), Buttons::OverwriteReloadCancel, Icon::Question)) {
    case Answer::Yes: {
        // Boxes standing for columns the catalogue lacks hold nothing to write.
        ColumnSet written;
        for (int c = 0; c < kColumnCount; ++c)
            if (onScreen.has(Column(c)) && store.columns().has(Column(c))) written.add(Column(c));
        return {store.save(shown, edited, written, CatalogueStore::Stored::MayHaveChanged)};
    }
    case Answer::No: return {Status(StatusCode::Cancelled), true};
    default: return {Status(StatusCode::Cancelled)};
    }
}

WriteOutcome deleteShown(CatalogueStore& store, Dialogs& dialogs, const Record& shown) {
    const Status deleted = store.remove(shown);
    if (deleted.code() != StatusCode::RecordChanged) return {deleted};
    const QString question = deleted.message() + QStringLiteral("\n仍要删除此条记录吗?");
    if (dialogs.messageBox(question, Buttons::YesNoCancel, Icon::Critical) != Answer::Yes)
        return {Status(StatusCode::Cancelled)};
    return {store.remove(shown, CatalogueStore::Stored::MayHaveChanged)};
}

}  // namespace tolvane
