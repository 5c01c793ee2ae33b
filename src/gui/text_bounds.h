#pragma once

#include <QString>
#include <QStringView>

namespace tolvane {

// How much of a text a detail box lays out at once. Laying out costs Qt
// time that grows with the text and, within one line, faster than the line;
// these bounds keep showing a record and pasting well under 100 ms.
struct TextBounds {
    qsizetype shown;  // characters in all
    qsizetype line;   // characters in one line
};
// A one-line box lays out the start of its text only.
inline constexpr TextBounds kOneLineBounds{10'000, 10'000};
// A multi-line box lays out its lines lazily, as they come into view.
inline constexpr TextBounds kMultiLineBounds{200'000, 10'000};
// The most of one value the window reads to show a record, in bytes as
// stored; a longer value is read whole only when an edit or a copy needs it.
inline constexpr qint64 kValueStartBytes = 1 << 20;
// The largest paste a box takes, in characters; a larger one is refused.
inline constexpr qsizetype kPasteLimit = 16 * 1024 * 1024;
// A paste up to this many characters that keeps the box within its bounds
// goes in as the editor inserts it (with undo); a larger one replaces the
// box's text in one step, which the editor does far faster.
inline constexpr qsizetype kSmallPaste = 16'384;

// The length of the start of `text` a box with these bounds shows: all of
// it when it fits, otherwise a prefix that ends before the first character
// beyond either bound, never inside a CR LF pair or a surrogate pair.
qsizetype shownLength(QStringView text, TextBounds bounds);

// A text as a multi-line box shows it: CR LF made LF.
QString displayForm(QStringView stored);
// Appends a text shown or pasted (line breaks LF or CR LF) as it is stored:
// every LF not after a CR made CR LF.
void appendStored(QString& out, QStringView text);

// "说明 共 1 000 000 个字符": the note that a box shows only the start of
// its text, `label` being the box's name; "说明 共 100 000 000 字节" for a
// value whose size is known only in bytes as stored.
QString sizeNote(const QString& label, qsizetype length, bool inBytes = false);
// The message that refuses a paste of `length` characters.
QString pasteRefusal(qsizetype length);

}  // namespace tolvane
