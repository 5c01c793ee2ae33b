#pragma once

#include "core/store/status.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace tolvane {

class Connection;

// What a search asks for: the records whose name (with fullText, any of the
// searchable columns) contains the pattern, narrowed by an exact class and
// libsclass. Patterns use the catalogue's LIKE language.
struct SearchRequest {
    QString pattern;
    bool fullText = false;
    std::optional<qint64> category;  // class
    std::optional<QString> dll;      // libsclass
};

// One row a search lists: the name's UTF-8 bytes (valid until the next row;
// a Null name reads as empty), the ID when it is a whole number, and the
// row's identity in the file (0 when it has none).
struct FoundRow {
    QByteArrayView name;
    std::optional<qint64> id;
    qint64 rowid = 0;
};

// The rows of a search, read part by part in the store's ID order, whatever
// the IDs hold: each part is a run of IDs, read with one statement prepared
// once and bound anew, so that no statement holds the file for long. The
// store orders IDs as SQLite compares them (numbers by value, then texts,
// then blobs); every part starts strictly after the previous one's last ID,
// so the walk ends and yields no row twice; rows with the same ID fall into
// one part; the rows whose ID is Null come last, as a part of their own.
// Where no index orders the IDs, the rows come in the same order from one
// statement that sorts them once, and each part reads on from it.
class SearchParts {
public:
    SearchParts(Connection& connection, const SearchRequest& request);
    ~SearchParts();
    SearchParts(SearchParts&&) noexcept;
    SearchParts& operator=(SearchParts&&) noexcept;

    // Reads the rows among the next `ids` IDs (the last part may hold fewer)
    // and hands each to `take` until it returns false. Returns whether parts
    // are left; InvalidPattern for a malformed pattern, engine failures as
    // they come.
    Result<bool> next(qint64 ids, const std::function<bool(const FoundRow&)>& take);

private:
    class Walk;
    std::unique_ptr<Walk> walk_;
};

}  // namespace tolvane
