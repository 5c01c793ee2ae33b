#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

#include <functional>

namespace tolvane {

struct Env;

// How a run of the command ends: its exit status (0 found, 1 nothing
// matched, 2 error) and what it writes to standard error.
struct FindResult {
    int status = 0;
    QByteArray err;
};

// Runs tolvane-find with these arguments (without the program's name),
// handing standard output to `out` as it is made. Reads the settings and
// probes the catalogue's places (env) only when no catalogue is given;
// writes nothing anywhere. An error ends the
// run with one line on standard error; one found before any record leaves
// standard output empty.
FindResult runFind(const QStringList& arguments, const Env& env,
                   const std::function<void(QByteArrayView)>& out);

}  // namespace tolvane
