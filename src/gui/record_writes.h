#pragma once

#include "core/store/catalogue_store.h"

namespace tolvane {

class Dialogs;

// What became of a save or a delete the user asked for: its status
// (Cancelled when the user chose to write nothing), and whether the record
// is to be shown anew from the file, dropping what was typed.
struct WriteOutcome {
    Status status;
    bool reload = false;
};

// Saves the columns the user changed. When another program changed the row
// since it was shown, asks whether to overwrite it with what is on screen
// (every column in `onScreen`), to show the stored row, or to keep the
// typed texts and write nothing.
WriteOutcome saveEdits(CatalogueStore& store, Dialogs& dialogs, const Record& shown,
                       const Record& edited, const ColumnSet& changed, const ColumnSet& onScreen);

// Deletes the row on view; one changed since it was shown only after asking.
WriteOutcome deleteShown(CatalogueStore& store, Dialogs& dialogs, const Record& shown);

}  // namespace tolvane
