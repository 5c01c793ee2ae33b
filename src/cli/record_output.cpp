#include "cli/record_output.h"

#include "cli/find_options.h"
#include "core/lookup/declaration_forms.h"
#include "core/store/vocabulary.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace tolvane {

namespace {

constexpr int kJsonSchema = 1;
const QString kCrLf = QStringLiteral("\r\n");

QString withLineEnds(QString text, bool crlf) {
    if (!crlf) text.replace(kCrLf, QStringLiteral("\n"));
    return text;
}

// Control characters other than line breaks and tabs as \xNN, so that a text
// of the catalogue cannot drive the terminal (escape sequences, bells,
// carriage returns that overwrite what was printed).
QByteArray escaped(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const bool lineEnd =
            c == u'\n' || (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n');
        if ((c < 0x20 && c != u'\t' && !lineEnd) || (c >= 0x7f && c <= 0x9f))
            shown += QStringLiteral("\\x%1").arg(int(c), 2, 16, QLatin1Char('0'));
        else
            shown += text[i];
    }
    return shown.toUtf8();
}

QString lineEnd(const FindOptions& options) { return options.crlf ? kCrLf : QStringLiteral("\n"); }

QJsonValue jsonValue(const QVariant& value) {
    if (!value.isValid() || value.isNull()) return QJsonValue::Null;
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int: return QJsonValue(value.toLongLong());
    case QMetaType::Double: return QJsonValue(value.toDouble());
    case QMetaType::QByteArray:
        return QJsonValue(withLineEnds(QString::fromUtf8(value.toByteArray()), false));
    default: return QJsonValue(withLineEnds(value.toString(), false));
    }
}

bool noText(const QVariant& stored) { return stored.toString().trimmed().isEmpty(); }

// The layout's version, the record's columns (texts with LF line ends), the
// category the window shows for its class, the two flags as booleans, the
// form's name, and the printed declaration without the line end that ends
// every printed record (null when the record has no text in that form).
QByteArray jsonLine(const ColumnSet& columns, const Record& record, const FindOptions& options) {
    QJsonObject object;
    object.insert(QStringLiteral("schema"), kJsonSchema);
    for (int c = 0; c < kColumnCount; ++c)
        if (columns.has(Column(c)))
            object.insert(QLatin1String(columnName(Column(c))), jsonValue(record.value(Column(c))));
    const std::optional<int> category = categoryPosition(record.value(Column::Category));
    object.insert(QStringLiteral("category"),
                  category ? QJsonValue(categoryList()[*category]) : QJsonValue(QJsonValue::Null));
    for (const Column flag : {Column::Win95, Column::WinNT})
        if (columns.has(flag))
            object.insert(QLatin1String(columnName(flag)),
                          record.value(flag).toString() == QLatin1String("Yes"));
    object.insert(QStringLiteral("form"), formName(options.form));
    const QVariant& stored = record.value(formColumn(options.form));
    if (noText(stored)) {
        object.insert(QStringLiteral("declaration"), QJsonValue::Null);
    } else {
        QString text = printedDeclaration(stored, options);
        text.chop(lineEnd(options).size());
        object.insert(QStringLiteral("declaration"), text);
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

}  // namespace

QString printedDeclaration(const QVariant& stored, const FindOptions& options) {
    const QString text = stored.toString();
    if (options.publicForm) return withLineEnds(text + kCrLf, options.crlf);
    return withLineEnds(copiedText(text, true, options.form), options.crlf);
}

RecordPrinter::RecordPrinter(const FindOptions& options, const ColumnSet& columns, Write write)
    : options_(options),
      columns_(columns),
      write_(std::move(write)),
      lineEnd_(lineEnd(options).toUtf8()) {}

void RecordPrinter::name(QByteArrayView utf8) {
    if (options_.terminal)
        write_(escaped(QString::fromUtf8(utf8)));
    else
        write_(utf8);
    write_(lineEnd_);
    printed_ = true;
}

void RecordPrinter::record(const Record& record) {
    if (options_.output == FindOutput::Json) {
        write_(jsonLine(columns_, record, options_));
    } else if (noText(record.value(formColumn(options_.form)))) {
        notes_ << record.text(Column::Name);
        return;
    } else {
        if (printed_) write_(lineEnd_);
        const QString text = printedDeclaration(record.value(formColumn(options_.form)), options_);
        write_(options_.terminal ? escaped(text) : text.toUtf8());
    }
    printed_ = true;
}

}  // namespace tolvane
