#pragma once

#include <QString>

#include <string>

namespace tolvane {

// Yes/No/Cancel boxes press Yes on Enter, except YesNoCancelDefaultNo (for an
// action that cannot be undone), which presses No. OverwriteReloadCancel
// offers 覆盖 (Yes), 重新载入 (No) and 取消 (Cancel); Enter presses 取消.
enum class Buttons { Ok, YesNoCancel, YesNoCancelDefaultNo, OverwriteReloadCancel };
enum class Icon { None, Critical, Question };
// Closing a Yes/No/Cancel box counts as Cancel.
enum class Answer { Ok, Yes, No, Cancel };

// What the file-chooser wrapper hands to the platform's file dialog.
struct FileDialogRequest {
    int mode = 0;              // 0 open one, 1 open several, 2 save
    QString filter;            // "description|pattern|..." pairs
    QString title;             // empty: the platform's own
    QString defaultExtension;  // empty: none
    QString initialDir;
};

// Modal boxes owned by the foreground window; every box carries the
// application's title.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Answer messageBox(const QString& text, Buttons buttons, Icon icon) = 0;
    // Asks for a secret (the catalogue's password), typed masked. Returns the
    // typed text, or "" when the box is cancelled.
    virtual QString inputBox(const QString& prompt) = 0;
    // Shows a file dialog that offers the file named by the buffer's text
    // before its first NUL. On confirmation the buffer holds, from its start,
    // in modes 0 and 2 the chosen full path and a NUL; in mode 1 either one
    // full path and NULs, or the folder, a NUL, each name and a NUL, and one
    // more NUL. Nothing is written past the buffer's size: a choice that does
    // not fit leaves in mode 1 the byte 1 and two NULs ("too many files"),
    // in modes 0 and 2 a lone NUL. The buffer is left as it was on cancel.
    // Bytes are UTF-8.
    virtual void fileDialog(const FileDialogRequest& request, std::string& buffer) = 0;
};

}  // namespace tolvane
