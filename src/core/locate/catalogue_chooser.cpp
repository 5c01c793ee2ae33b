#include "core/locate/catalogue_chooser.h"

#include "core/system/dialogs.h"
#include "core/system/env.h"

#include <QStringList>

#include <algorithm>
#include <string>

namespace tolvane {

namespace {

const QString kAllFiles = QStringLiteral("所有文件|*.*");
const QString kTooManyFiles = QStringLiteral("文件选取过多。");
// Room for the dialog's answer beyond the file it offers.
constexpr std::size_t kBufferRoom = 2046;
constexpr QChar kNul(u'\0');
// A choice too large for the buffer is reported with this character.
constexpr QChar kOverflowMark(u'\1');

qsizetype lastSeparator(const QString& text) {
    return std::max(text.lastIndexOf(u'\\'), text.lastIndexOf(u'/'));
}

bool hasSeparator(const QString& text) { return text.contains(u'\\') || text.contains(u'/'); }

// The text up to and including its last separator ("" when it has none).
QString upToLastSeparator(const QString& text) { return text.left(lastSeparator(text) + 1); }

// A folder written with "\" only continues with "\", any other with "/".
QChar separatorFor(const QString& folder) {
    return folder.contains(u'\\') && !folder.contains(u'/') ? u'\\' : u'/';
}

// Modes 0 and 2: the text before the first NUL (all of it without one).
QString singleChoice(const std::string& buffer) {
    const std::size_t end = std::min(buffer.find('\0'), buffer.size());
    return QString::fromUtf8(buffer.data(), qsizetype(end)).trimmed();
}

// Mode 1: the text up to and including the first NUL of the last double
// NUL; "" when there is none.
QString multipleChoice(const std::string& buffer) {
    const std::size_t last = buffer.rfind(std::string(2, '\0'));
    if (last == std::string::npos) return {};
    return QString::fromUtf8(buffer.data(), qsizetype(last) + 1);
}

}  // namespace

FileDialogState& fileDialogState() {
    static FileDialogState state;
    return state;
}

QString showFileDialog(const Env& env, int mode, const QString& filter, const QString& title,
                       const QString& defaultExtension, FileDialogState& state) {
    FileDialogRequest request;
    request.mode = mode;
    request.filter = QString(filter).replace(kDefaultFilter, kAllFiles);
    request.title = title;
    request.defaultExtension = defaultExtension;
    // The dialog's file-name field starts with the last chosen file.
    std::string buffer = state.dialogFile.toStdString() + std::string(kBufferRoom, ' ');
    if (state.dialogFolder.isEmpty()) state.dialogFolder = upToLastSeparator(state.dialogFile);
    request.initialDir = state.dialogFolder;
    if (mode < 0 || mode > 2) return {};

    env.dialogs->fileDialog(request, buffer);
    if (mode != 1) {
        QString chosen = singleChoice(buffer);
        state.dialogFolder = parentPath(chosen);
        state.dialogFile = chosen;
        return chosen;
    }
    QString chosen = multipleChoice(buffer);
    if (chosen.contains(kOverflowMark)) {
        chosen.clear();
        env.dialogs->messageBox(kTooManyFiles, Buttons::Ok, Icon::Critical);
    } else if (!hasSeparator(chosen)) {
        chosen.clear();
    }
    state.dialogFolder = splitFileList(chosen);
    state.dialogFile = chosen.mid(chosen.lastIndexOf(kNul) + 1);
    return chosen;
}

QString splitFileList(QString& list) {
    if (list.endsWith(QString(2, kNul))) list.chop(2);
    if (list.endsWith(kNul)) list.chop(1);
    const qsizetype firstNul = list.indexOf(kNul);
    if (firstNul < 0) return upToLastSeparator(list);

    QString folder = list.left(firstNul);
    if (folder.isEmpty() || lastSeparator(folder) != folder.size() - 1)
        folder += separatorFor(folder);
    const QString names = list.mid(firstNul + 1);
    if (hasSeparator(names)) {
        QStringList paths = names.split(kNul);
        for (QString& path : paths)
            if (!hasSeparator(path)) path.prepend(folder);
        list = paths.join(kNul);
    } else {
        list = folder + QString(names).replace(kNul, kNul + folder);
    }
    return folder;
}

QString parentPath(const QString& path) {
    const bool slashes = path.contains(u'/');
    QString folder = QString(path).replace(u'/', u'\\');
    if (folder.endsWith(u'\\')) folder.chop(1);
    folder.truncate(std::max<qsizetype>(folder.lastIndexOf(u'\\'), 0));
    if (slashes) folder.replace(u'\\', u'/');
    return folder;
}

}  // namespace tolvane
