#pragma once

// Runs the real tolvane-find binary.

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace tolvane::test {

struct FindRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Runs tolvane-find with `arguments` in `workDir` (the test's own folder
// when empty), its settings in `configHome` (a fresh empty folder when
// empty), and waits for it to end.
FindRun runFind(const QStringList& arguments, const QString& configHome = {},
                const QString& workDir = {});

}  // namespace tolvane::test
