#pragma once

// Driving the searches of a loaded main window in tests.

#include "browse/form1.h"
#include "browse/result_list.h"

#include <QComboBox>
#include <QStringList>

#include <algorithm>
#include <ostream>

// Readable names in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace tolvane::test {

// The texts of the result list's entries, in list order.
inline QStringList entries(const Form1& f) {
    QStringList out;
    for (int i = 0; i < f.LItems->count(); ++i) out << f.LItems->text(i);
    return out;
}

// The same, sorted, for comparing sets of names.
inline QStringList sortedEntries(const Form1& f) {
    QStringList out = entries(f);
    std::sort(out.begin(), out.end());
    return out;
}

// A pattern typed to its end and the debounce timer's tick.
inline void searchFor(Form1& f, const QString& pattern) {
    f.T->setEditText(pattern);
    f.Timer1_Timer();
}

// A user's pick of a list entry.
inline void pick(QComboBox* box, int position) {
    box->setCurrentIndex(position);
    emit box->activated(position);
}

}  // namespace tolvane::test
