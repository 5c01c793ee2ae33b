#pragma once

#include <QByteArray>
#include <QStringList>

namespace tolvane {

class FileProbe;
class SettingsStore;

// What a run of the command gives: its exit status (0 found, 1 nothing
// matched, 2 error) and what it writes to standard output and error.
struct FindResult {
    int status = 0;
    QByteArray out;
    QByteArray err;
};

// Runs tolvane-find with these arguments (without the program's name).
// Reads the settings only when no catalogue is given; writes nothing
// anywhere. On an error standard output stays empty and standard error
// holds one line.
FindResult runFind(const QStringList& arguments, SettingsStore& settings, FileProbe& files,
                   const QString& programDir);

}  // namespace tolvane
