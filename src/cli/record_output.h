#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

namespace tolvane {

struct FindOptions;
struct FoundRecords;

// The text printed for a record's stored declaration: as the window's copy
// button gives it (made private, CR LF appended), or with --public the
// stored text with CR LF appended. Line breaks are CR LF with --crlf, else
// every CR LF becomes LF.
QString printedDeclaration(const QVariant& stored, const FindOptions& options);

// Standard output for the records found, UTF-8: the declarations separated
// by a blank line, or one name per line, or one JSON object per line.
QByteArray formatRecords(const FoundRecords& found, const FindOptions& options);

}  // namespace tolvane
