#include "gui/qt_dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

#include <algorithm>

namespace tolvane {

namespace {

// The folder of an absolute path written with "/" ("/" for the root).
QString folderOf(const QString& path) {
    const qsizetype cut = path.lastIndexOf(u'/');
    return cut <= 0 ? QStringLiteral("/") : path.left(cut);
}

QMessageBox::Icon qtIcon(Icon icon) {
    switch (icon) {
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

// Whether an offered absolute path lies outside the folder the dialog opens
// in (never when that folder is not given).
bool offeredOutside(const QString& offered, const QString& initialDir) {
    return !initialDir.isEmpty() && QDir::isAbsolutePath(offered) &&
           QDir::cleanPath(folderOf(offered)) != QDir::cleanPath(initialDir);
}

// Puts the offered file into the dialog's file-name field. Selecting a file
// of another folder would move the dialog there, so such a file is written
// into the field as its full path, which the dialog accepts as typed, and
// the dialog stays in its folder.
void offer(QFileDialog& dialog, const QString& offered, const QString& initialDir) {
    if (offered.isEmpty()) return;
    auto* nameField = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (nameField && offeredOutside(offered, initialDir))
        nameField->setText(offered);
    else
        dialog.selectFile(offered);
}

}  // namespace

QStringList nameFiltersFor(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& p : patterns) {
            p = p.trimmed();
            if (p == QStringLiteral("*.*")) p = QStringLiteral("*");
        }
        filters << parts[i] + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return filters;
}

QString offeredFile(const std::string& buffer) {
    const std::size_t end = std::min(buffer.find('\0'), buffer.size());
    return QString::fromUtf8(buffer.data(), qsizetype(end)).trimmed();
}

void writeChosenFiles(int mode, const QStringList& paths, std::string& buffer) {
    if (paths.isEmpty()) return;
    std::string bytes;
    if (mode == 1 && paths.size() > 1) {
        // The folder of the first file, then each name; a file from another
        // folder keeps its full path.
        const QString folder = folderOf(paths.front());
        const qsizetype nameStart = folder.size() + (folder.endsWith(u'/') ? 0 : 1);
        bytes = folder.toStdString() + '\0';
        for (const QString& path : paths) {
            const QString name = folderOf(path) == folder ? path.mid(nameStart) : path;
            bytes += name.toStdString() + '\0';
        }
        bytes += '\0';
    } else {
        bytes = paths.front().toStdString() + '\0';
        if (mode == 1) bytes += '\0';
    }
    if (bytes.size() > buffer.size())
        bytes = mode == 1 ? std::string("\1\0\0", 3) : std::string(1, '\0');
    bytes.resize(std::min(bytes.size(), buffer.size()));
    buffer.replace(0, bytes.size(), bytes);
}

Answer QtDialogs::messageBox(const QString& text, Buttons buttons, Icon icon) {
    const bool question = buttons != Buttons::Ok;
    QMessageBox box(
        qtIcon(icon), kApplicationTitle, text,
        question ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel : QMessageBox::Ok,
        QApplication::activeWindow());
    if (question) {
        box.setEscapeButton(QMessageBox::Cancel);
        box.setDefaultButton(buttons == Buttons::YesNoCancelDefaultNo    ? QMessageBox::No
                             : buttons == Buttons::OverwriteReloadCancel ? QMessageBox::Cancel
                                                                         : QMessageBox::Yes);
    }
    if (buttons == Buttons::OverwriteReloadCancel) {
        box.button(QMessageBox::Yes)->setText(QStringLiteral("覆盖"));
        box.button(QMessageBox::No)->setText(QStringLiteral("重新载入"));
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("取消"));
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return question ? Answer::Cancel : Answer::Ok;
    }
}

QString QtDialogs::inputBox(const QString& prompt) {
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), kApplicationTitle,
                                               prompt, QLineEdit::Password, QString(), &ok);
    return ok ? text : QString();
}

void QtDialogs::fileDialog(const FileDialogRequest& request, std::string& buffer) {
    if (request.mode < 0 || request.mode > 2) return;
    QFileDialog dialog(QApplication::activeWindow());
    // Qt's own dialog speaks the program's language whatever the desktop's,
    // and can show one folder while offering a file of another.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (!request.title.isEmpty()) dialog.setWindowTitle(request.title);
    if (!request.initialDir.isEmpty()) dialog.setDirectory(request.initialDir);
    const QStringList filters = nameFiltersFor(request.filter);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    if (request.mode == 2) {
        // Qt asks before overwriting an existing file unless told not to.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        QString suffix = request.defaultExtension;
        if (suffix.startsWith(u'.')) suffix.remove(0, 1);
        dialog.setDefaultSuffix(suffix);
    } else {
        dialog.setFileMode(request.mode == 1 ? QFileDialog::ExistingFiles
                                             : QFileDialog::ExistingFile);
    }
    offer(dialog, offeredFile(buffer), request.initialDir);
    if (dialog.exec() != QDialog::Accepted) return;
    writeChosenFiles(request.mode, dialog.selectedFiles(), buffer);
}

}  // namespace tolvane
