// The full-text search: the pattern in every searchable column, no filters.
#include "browse/form1.h"
#include "browse/search_query.h"

#include <QComboBox>

namespace tolvane {

// Lists the matches and nothing else: the status line, the selection and
// the record on view stay as they were.
void Form1::Command5_Click() {
    CancelSearch = false;
    runSearch(fullTextQuery(T->currentText()));
}

}  // namespace tolvane
