#pragma once

#include "core/store/record.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

namespace tolvane {

struct FindOptions;

// The text printed for a record's stored declaration: as the window's copy
// button gives it (made private, CR LF appended), or with --public the
// stored text with CR LF appended. Line breaks are CR LF with --crlf, else
// every CR LF becomes LF.
QString printedDeclaration(const QVariant& stored, const FindOptions& options);

// Prints records as a lookup finds them, UTF-8: the declarations separated
// by a blank line, or one name per line, or one JSON object per line with
// the catalogue's columns (see jsonLine). On a terminal, control characters in names and
// declarations are shown as \xNN; JSON and other output stay exact.
class RecordPrinter {
public:
    using Write = std::function<void(QByteArrayView)>;
    RecordPrinter(const FindOptions& options, const ColumnSet& columns, Write write);

    // With --names: one name.
    void name(QByteArrayView utf8);
    void record(const Record& record);
    // Whether anything was printed.
    bool printed() const { return printed_; }
    // The names of the records left out for having no text in the form
    // asked for (not with --json, which gives null).
    const QStringList& withoutForm() const { return notes_; }

private:
    const FindOptions& options_;
    ColumnSet columns_;
    Write write_;
    QByteArray lineEnd_;
    bool printed_ = false;
    QStringList notes_;
};

}  // namespace tolvane
