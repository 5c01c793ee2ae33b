#include "core/store/search_parts.h"

#include "core/lookup/jet_pattern.h"
#include "core/store/connection.h"
#include "core/store/sqlite_values.h"

#include <sqlite3.h>

#include <algorithm>
#include <utility>

namespace tolvane {
namespace {

// The columns the full-text search looks in, in the order it names them;
// those the catalogue lacks are left out.
const Column kSearchableColumns[] = {
    Column::Name,  Column::Category,  Column::Declare, Column::Recode,  Column::OtherName,
    Column::Dll,   Column::Win95,     Column::WinNT,   Column::Explain, Column::Returned,
    Column::Other, Column::Parameter, Column::Vba64};

// A pattern of stars only matches every value that is not Null: it needs no
// LIKE.
bool starsOnly(const QString& pattern) {
    return std::all_of(pattern.begin(), pattern.end(), [](QChar c) { return c == u'*'; });
}

QByteArray condition(const SearchRequest& request, const CatalogueShape& shape, bool stars) {
    const auto test = [stars](const QByteArray& column) {
        return column + (stars ? " IS NOT NULL" : " LIKE :pattern");
    };
    if (request.fullText) {
        QByteArray any;
        for (const Column column : kSearchableColumns)
            if (shape.columns.has(column))
                any += (any.isEmpty() ? "" : " OR ") + test(columnName(column));
        return any;
    }
    QByteArray all = test("name");
    if (request.category) all += " AND class = :class";
    if (request.dll) all += " AND libsclass = :dll";
    return all;
}

// The statement's first column of its one row, kept; nothing without a row.
Result<sqlite3_value*> firstValue(Connection& connection, const QByteArray& sql,
                                  const std::function<void(sqlite3_stmt*)>& bind) {
    Result<Connection::Use> use = connection.statement(sql);
    if (!use.ok()) return use.status();
    bind(use->get());
    const int rc = sqlite3_step(use->get());
    if (rc == SQLITE_DONE) return static_cast<sqlite3_value*>(nullptr);
    if (rc != SQLITE_ROW) return connection.failure(rc);
    return sqlite3_value_dup(sqlite3_column_value(use->get(), 0));
}

// Kept copies of ID values, which keep their type and so compare as the
// IDs they came from.
using Value = std::unique_ptr<sqlite3_value, void (*)(sqlite3_value*)>;
Value kept(sqlite3_value* value) { return Value(value, sqlite3_value_free); }

}  // namespace

class SearchParts::Walk {
public:
    Walk(Connection& connection, const SearchRequest& request);
    Result<bool> next(qint64 ids, const std::function<bool(const FoundRow&)>& take);

private:
    enum class Stage { Start, Ids, NullIds, OneStatement, Done };
    void bindRequest(sqlite3_stmt* statement) const;
    Result<bool> idsIndexed();
    Result<bool> readOn(qint64 rows, const std::function<bool(const FoundRow&)>& take);
    static FoundRow rowAt(sqlite3_stmt* statement);
    Result<bool> readPart(const QByteArray& sql, sqlite3_value* last,
                          const std::function<bool(const FoundRow&)>& take);

    Connection& connection_;
    QByteArray select_;  // the part statement up to its ID condition
    QByteArray pattern_;
    std::optional<qint64> category_;
    std::optional<QByteArray> dll_;
    bool validPattern_ = true;
    Stage stage_ = Stage::Start;
    Value first_ = kept(nullptr);             // the next part's first ID
    std::optional<Connection::Use> running_;  // the one statement, without an index on ID
};

SearchParts::Walk::Walk(Connection& connection, const SearchRequest& request)
    : connection_(connection) {
    const QString pattern = u'*' + request.pattern + u'*';
    const bool stars = starsOnly(pattern);
    validPattern_ = stars || JetPattern::compile(QStringView(pattern)).has_value();
    pattern_ = pattern.toUtf8();
    if (!request.fullText) {
        category_ = request.category;
        if (request.dll) dll_ = request.dll->toUtf8();
    }
    select_ = "SELECT name, ID, " + QByteArray(connection.shape().hasRowid ? "rowid" : "NULL") +
              " FROM winfun WHERE (" + condition(request, connection.shape(), stars) + ")";
}

void SearchParts::Walk::bindRequest(sqlite3_stmt* statement) const {
    if (const int at = parameter(statement, ":pattern"))
        sqlite3_bind_text(statement, at, pattern_.constData(), int(pattern_.size()), SQLITE_STATIC);
    if (const int at = parameter(statement, ":class"); at && category_)
        sqlite3_bind_int64(statement, at, *category_);
    if (const int at = parameter(statement, ":dll"); at && dll_)
        sqlite3_bind_text(statement, at, dll_->constData(), int(dll_->size()), SQLITE_STATIC);
}

Result<bool> SearchParts::Walk::readPart(const QByteArray& sql, sqlite3_value* last,
                                         const std::function<bool(const FoundRow&)>& take) {
    Result<Connection::Use> use = connection_.statement(sql);
    if (!use.ok()) return use.status();
    sqlite3_stmt* statement = use->get();
    bindRequest(statement);
    if (const int at = parameter(statement, ":first"))
        sqlite3_bind_value(statement, at, first_.get());
    if (const int at = parameter(statement, ":last")) sqlite3_bind_value(statement, at, last);
    int rc;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        if (!take(rowAt(statement))) {
            stage_ = Stage::Done;
            return false;
        }
    }
    if (rc != SQLITE_DONE) return connection_.failure(rc);
    return true;
}

FoundRow SearchParts::Walk::rowAt(sqlite3_stmt* statement) {
    const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    FoundRow row;
    row.name = QByteArrayView(name, name ? sqlite3_column_bytes(statement, 0) : 0);
    row.id = wholeNumberAt(statement, 1);
    row.rowid = sqlite3_column_int64(statement, 2);
    return row;
}

// Whether the next ID after another is one step through an index. Without
// one each part would sort the whole table again, and the walk would take
// time growing with the square of the rows.
Result<bool> SearchParts::Walk::idsIndexed() {
    Result<Connection::Use> plan = connection_.statement(
        "EXPLAIN QUERY PLAN SELECT ID FROM winfun WHERE ID > ? ORDER BY ID LIMIT 1");
    if (!plan.ok()) return plan.status();
    int rc;
    bool sorts = false;
    while ((rc = sqlite3_step(plan->get())) == SQLITE_ROW)
        sorts = sorts ||
                QByteArrayView(reinterpret_cast<const char*>(sqlite3_column_text(plan->get(), 3)))
                    .contains("TEMP B-TREE");
    if (rc != SQLITE_DONE) return connection_.failure(rc);
    return !sorts;
}

// Without an index on ID the rows come from one statement that sorts them
// once; each part reads `rows` more of them.
Result<bool> SearchParts::Walk::readOn(qint64 rows,
                                       const std::function<bool(const FoundRow&)>& take) {
    if (!running_) {
        Result<Connection::Use> use = connection_.statement(
            select_ + " ORDER BY ID IS NULL, ID" + (connection_.shape().hasRowid ? ", rowid" : ""));
        if (!use.ok()) return use.status();
        running_.emplace(std::move(*use));
        bindRequest(running_->get());
    }
    sqlite3_stmt* statement = running_->get();
    for (qint64 read = 0; read < rows; ++read) {
        const int rc = sqlite3_step(statement);
        if (rc == SQLITE_DONE) break;
        if (rc != SQLITE_ROW) {
            running_.reset();
            return connection_.failure(rc);
        }
        if (!take(rowAt(statement))) break;
        if (read + 1 == rows) return true;
    }
    running_.reset();
    stage_ = Stage::Done;
    return false;
}

Result<bool> SearchParts::Walk::next(qint64 ids, const std::function<bool(const FoundRow&)>& take) {
    if (!validPattern_) return Status(StatusCode::InvalidPattern);
    if (stage_ == Stage::Start) {
        Result<bool> indexed = idsIndexed();
        if (!indexed.ok()) return indexed.status();
        if (!*indexed) stage_ = Stage::OneStatement;
    }
    if (stage_ == Stage::OneStatement) return readOn(ids, take);
    if (stage_ == Stage::Start) {
        Result<sqlite3_value*> first = firstValue(
            connection_, "SELECT ID FROM winfun WHERE ID IS NOT NULL ORDER BY ID LIMIT 1",
            [](sqlite3_stmt*) {});
        if (!first.ok()) return first.status();
        first_ = kept(*first);
        stage_ = first_ ? Stage::Ids : Stage::NullIds;
    }
    if (stage_ == Stage::Ids) {
        Result<sqlite3_value*> end = firstValue(
            connection_, "SELECT ID FROM winfun WHERE ID >= ? ORDER BY ID LIMIT 1 OFFSET ?",
            [&](sqlite3_stmt* s) {
                sqlite3_bind_value(s, 1, first_.get());
                sqlite3_bind_int64(s, 2, std::max<qint64>(ids - 1, 0));
            });
        if (!end.ok()) return end.status();
        const Value last = kept(*end);
        Result<bool> more =
            last ? readPart(select_ + " AND ID >= :first AND ID <= :last", last.get(), take)
                 : readPart(select_ + " AND ID >= :first", nullptr, take);
        if (!more.ok() || !*more) return more;
        first_ = kept(nullptr);
        if (last) {
            Result<sqlite3_value*> following =
                firstValue(connection_, "SELECT ID FROM winfun WHERE ID > ? ORDER BY ID LIMIT 1",
                           [&](sqlite3_stmt* s) { sqlite3_bind_value(s, 1, last.get()); });
            if (!following.ok()) return following.status();
            first_ = kept(*following);
        }
        if (!first_) stage_ = Stage::NullIds;
        return true;
    }
    if (stage_ == Stage::NullIds) {
        Result<bool> more = readPart(select_ + " AND ID IS NULL", nullptr, take);
        if (!more.ok() || !*more) return more;
        stage_ = Stage::Done;
    }
    return false;
}

SearchParts::SearchParts(Connection& connection, const SearchRequest& request)
    : walk_(std::make_unique<Walk>(connection, request)) {}

SearchParts::~SearchParts() = default;
SearchParts::SearchParts(SearchParts&&) noexcept = default;
SearchParts& SearchParts::operator=(SearchParts&&) noexcept = default;

Result<bool> SearchParts::next(qint64 ids, const std::function<bool(const FoundRow&)>& take) {
    return walk_->next(ids, take);
}

}  // namespace tolvane
