// The name search: debounced on the pattern field, run at once from a
// filter or preset pick.
#include "browse/form1.h"
#include "browse/result_list.h"
#include "browse/search_query.h"

#include <QComboBox>
#include <QLabel>
#include <QTimer>

namespace tolvane {

void Form1::T_Change() {
    CancelSearch = true;
    Timer1->start();  // restarts the countdown
}

void Form1::T_Click() { NameSearch(); }

void Form1::Timer1_Timer() {
    // Stopped before searching, so an edit made during the search restarts
    // the countdown and is searched in its turn.
    Timer1->stop();
    CancelSearch = false;
    NameSearch();
}

void Form1::CoLei_Click() {
    if (!T->currentText().isEmpty()) NameSearch();
}

void Form1::CoDll_Click() {
    if (!T->currentText().isEmpty()) NameSearch();
}

void Form1::NameSearch() {
    CancelSearch = false;
    const QString pattern = T->currentText();
    if (pattern.isEmpty() || !Loaded) return;
    St->setText(searchingText());
    if (!runSearch(nameSearchQuery(pattern, CoLei->currentIndex(), CoDll->currentIndex(), CoDll->currentText())))
        return;
    St->setText(countText(LItems->count()));
    if (LItems->count() > 0) {
        // Entry 0 may already be current from a click during the fill; the
        // selection is raised anew so that the record and position show.
        selectResult(-1);
        selectResult(0);
    }
}

}  // namespace tolvane
