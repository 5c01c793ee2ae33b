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
// empty), and waits for it to end. Its data folders ($XDG_DATA_HOME and
// $XDG_DATA_DIRS) are empty ones unless `environment` ("NAME=value" each)
// names them; `environment` is set last. `program` is the binary run.
FindRun runFind(const QStringList& arguments, const QString& configHome = {},
                const QString& workDir = {}, const QStringList& environment = {},
                const QString& program = QStringLiteral(TOLVANE_FIND));

}  // namespace tolvane::test
