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
QByteArray jsonLine(const FoundRecords& found, std::size_t row, const FindOptions& options) {
    QJsonObject object;
    for (qsizetype i = 0; i < found.columns.size(); ++i)
        object.insert(found.columns[i], jsonValue(found.rows[row][i]));
    object.insert(QStringLiteral("form"), formName(options.form));
    const QVariant stored = found.value(row, formColumn(options.form));
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
    const QString declarationColumn = formColumn(options.form);
    for (std::size_t row = 0; row < found.rows.size(); ++row) {
        switch (options.output) {
        case FindOutput::Names:
            out +=
                (found.value(row, QStringLiteral("name")).toString() + lineEnd(options)).toUtf8();
            break;
        case FindOutput::Json: out += jsonLine(found, row, options); break;
        case FindOutput::Declarations:
            if (row > 0) out += lineEnd(options).toUtf8();
            out += printedDeclaration(found.value(row, declarationColumn), options).toUtf8();
            break;
        }
    }
    return out;
}

}  // namespace tolvane
