#include "gui/text_bounds.h"

namespace tolvane {
namespace {

// 1234567 as "1 234 567".
QString groupedDigits(qsizetype n) {
    QString digits = QString::number(n);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3) digits.insert(at, QLatin1Char(' '));
    return digits;
}

}  // namespace

qsizetype shownLength(QStringView text, TextBounds bounds) {
    // Steps back from a cut between the two halves of a pair.
    const auto whole = [text](qsizetype end) {
        const bool pair = (text[end - 1] == QLatin1Char('\r') && text[end] == QLatin1Char('\n')) ||
                          (text[end - 1].isHighSurrogate() && text[end].isLowSurrogate());
        return pair ? end - 1 : end;
    };
    qsizetype line = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i == bounds.shown) return whole(i);
        if (text[i] == QLatin1Char('\n') || text[i] == QLatin1Char('\r'))
            line = 0;
        else if (++line > bounds.line)
            return whole(i);
    }
    return text.size();
}

// Both in one pass: QString::replace moves the rest of the text again and
// again when the lengths differ, which takes seconds on a big text.
QString displayForm(QStringView stored) {
    QString out;
    out.reserve(stored.size());
    for (qsizetype at; (at = stored.indexOf(u"\r\n")) >= 0; stored = stored.mid(at + 2)) {
        out += stored.left(at);
        out += QLatin1Char('\n');
    }
    return out += stored;
}

void appendStored(QString& out, QStringView text) {
    for (qsizetype at; (at = text.indexOf(QLatin1Char('\n'))) >= 0; text = text.mid(at + 1)) {
        const bool crlf = at > 0 && text[at - 1] == QLatin1Char('\r');
        out += text.left(crlf ? at - 1 : at);
        out += QLatin1String("\r\n");
    }
    out += text;
}

QString sizeNote(const QString& label, qsizetype length, bool inBytes) {
    return (inBytes ? QStringLiteral("%1 共 %2 字节") : QStringLiteral("%1 共 %2 个字符"))
        .arg(label, groupedDigits(length));
}

QString pasteRefusal(qsizetype length) {
    return QStringLiteral("要粘贴的文本有 %1 个字符，超过了一个框能接受的 %2 个字符，未粘贴。")
        .arg(groupedDigits(length), groupedDigits(kPasteLimit));
}

}  // namespace tolvane
