#pragma once

#include <QByteArray>
#include <QStringList>

namespace tolvane {

struct Env;
class FindOutputStream;

// How a run of the command ends: its exit status (0 found, 1 nothing
// matched, 2 error) and what it writes to standard error.
struct FindResult {
    int status = 0;
    QByteArray err;
};

// Runs tolvane-find with these arguments (without the program's name),
// writing standard output to `out` as it is made and flushing it at the
// end. Output that cannot be written is an error; output whose reader has
// gone ends the run quietly with status 0. Reads the settings and
// probes the catalogue's places (env) only when no catalogue is given;
// writes nothing anywhere. An error ends the
// run with one line on standard error; one found before any record leaves
// standard output empty.
FindResult runFind(const QStringList& arguments, const Env& env, FindOutputStream& out);

}  // namespace tolvane
