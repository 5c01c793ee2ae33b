#pragma once

#include "core/system/dialogs.h"

#include <QStringList>

namespace tolvane {

// The title every box of the program carries.
inline const QString kApplicationTitle = QStringLiteral("Tolvane");

// Message, input and file boxes of Qt Widgets, owned by the active window.
class QtDialogs : public Dialogs {
public:
    Answer messageBox(const QString& text, Buttons buttons, Icon icon) override;
    QString inputBox(const QString& prompt) override;
    void fileDialog(const FileDialogRequest& request, std::string& buffer) override;
};

// Qt name filters for "description|pattern|..." pairs: "所有文件|*.*" gives
// "所有文件 (*)". "*.*" becomes "*" so that names without a dot are listed
// too; several patterns may be separated by ";". A description without a
// pattern is dropped.
QStringList nameFiltersFor(const QString& filter);

// The file a dialog offers at first: the buffer's text before its first
// NUL, without surrounding blanks.
QString offeredFile(const std::string& buffer);

// Writes the confirmed choice (absolute paths) into the buffer in the form
// Dialogs::fileDialog promises for the mode. An empty choice writes nothing.
void writeChosenFiles(int mode, const QStringList& paths, std::string& buffer);

}  // namespace tolvane
