#include "cli/record_output.h"

#include "cli/find_lookup.h"
#include "cli/find_options.h"
#include "core/lookup/declaration_forms.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace tolvane {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString withLineEnds(QString text, bool crlf) {
    if (!crlf) text.replace(kCrLf, QStringLiteral("\n"));
    return text;
}

QString lineEnd(const FindOptions& options) { return options.crlf ? kCrLf : QStringLiteral("\n"); }

QJsonValue jsonValue(const QVariant& value) {
    if (!value.isValid() || value.isNull()) return QJsonValue::Null;
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int: return QJsonValue(value.toLongLong());
    case QMetaType::Double: return QJsonValue(value.toDouble());
    case QMetaType::QByteArray: return QJsonValue(QString::fromUtf8(value.toByteArray()));
    default: return QJsonValue(value.toString());
    }
}

// Every column, the form's name, and the printed declaration without the
// line end that ends every printed record.
QByteArray jsonLine(const FoundRecords& found, const Record& record, const FindOptions& options) {
    QJsonObject object;
    for (int c = 0; c < kColumnCount; ++c)
        if (found.columns.has(Column(c)))
            object.insert(QLatin1String(columnName(Column(c))), jsonValue(record.value(Column(c))));
    object.insert(QStringLiteral("form"), formName(options.form));
    const QVariant& stored = record.value(formColumn(options.form));
    if (options.publicForm && (!stored.isValid() || stored.isNull())) {
        object.insert(QStringLiteral("declaration"), QJsonValue::Null);
    } else {
        QString text = printedDeclaration(stored, options);
        text.chop(lineEnd(options).size());
        object.insert(QStringLiteral("declaration"), text);
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + lineEnd(options).toUtf8();
}

}  // namespace

QString printedDeclaration(const QVariant& stored, const FindOptions& options) {
    const QString text = stored.toString();
    if (options.publicForm) return withLineEnds(text + kCrLf, options.crlf);
    return withLineEnds(copiedText(text, true, options.form), options.crlf);
}

QByteArray formatRecords(const FoundRecords& found, const FindOptions& options) {
    QByteArray out;
    const QByteArray end = lineEnd(options).toUtf8();
    for (const QByteArray& name : found.names) out += name + end;
    const Column declaration = formColumn(options.form);
    for (std::size_t row = 0; row < found.rows.size(); ++row) {
        const Record& record = found.rows[row];
        if (options.output == FindOutput::Json) {
            out += jsonLine(found, record, options);
            continue;
        }
        if (row > 0) out += end;
        out += printedDeclaration(record.value(declaration), options).toUtf8();
    }
    return out;
}

}  // namespace tolvane
