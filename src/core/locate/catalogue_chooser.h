#pragma once

#include <QString>

namespace tolvane {

struct Env;

// What the file-dialog wrapper remembers from one dialog to the next.
struct FileDialogState {
    QString dialogFile;  // the last chosen file as a full path (the last one of a multiple choice)
    QString dialogFolder;  // the folder the next dialog opens in
};

// The state shared by the whole run; empty at start.
FileDialogState& fileDialogState();

// Given as the filter, stands for all files ("所有文件|*.*").
inline const QString kDefaultFilter = QStringLiteral("DLG_Defalt_Filter");

// Shows a file dialog: mode 0 opens one existing file, 1 several, 2 saves.
// The filter is "description|pattern|..." pairs; an empty title or default
// extension leaves the platform's own. The dialog opens in dialogFolder (when that
// is empty, in the folder of dialogFile) offering dialogFile.
// Result, modes 0 and 2: the chosen full path without surrounding blanks; on
// cancel the last file chosen in this run ("" when none was). Mode 1: the
// chosen full paths separated by single NULs; "" on cancel, and "" with the
// message "文件选取过多。" when the choice did not fit. Any other mode shows
// nothing and gives "".
// "\" and "/" both separate folders; results keep the separator they came with.
QString showFileDialog(const Env& env, int mode, const QString& filter, const QString& title,
                       const QString& defaultExtension, FileDialogState& state = fileDialogState());

// Turns a multiple-choice text (the folder, NUL, names separated by NULs,
// trailing NULs allowed) into full paths separated by single NULs, in place,
// and returns the folder with a trailing separator. Names that already hold
// a separator are kept as they are. A text without NUL is one full path: it
// stays unchanged and its folder (up to and including the last separator,
// "" when none) is returned.
QString splitFileList(QString& list);

// The folder of a path, without a trailing separator: "C:\a\b.mdb" gives
// "C:\a", "/x/y/" gives "/x", a bare name "". A path holding any "/" gives
// its result written with "/" only, otherwise with "\".
QString parentPath(const QString& path);

}  // namespace tolvane
