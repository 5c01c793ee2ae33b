#include "cli/find_lookup.h"

#include "cli/find_catalogue.h"
#include "cli/find_options.h"
#include "core/lookup/dll_list.h"
#include "core/lookup/jet_like.h"
#include "core/lookup/search_query.h"
#include "core/lookup/search_walk.h"
#include "core/store/engine.h"
#include "core/store/error.h"

#include <chrono>
#include <memory>

namespace tolvane {

namespace {

// About how long reading one part of the catalogue takes: the parts start
// small, so a lookup that stops at its limit reads little more than it needs.
constexpr std::chrono::milliseconds kPartTime{10};

QStringList columnsOf(Database& db) {
    QStringList columns;
    for (auto rs = db.openRecordset(QStringLiteral("PRAGMA table_info(winfun)")); !rs->eof();
         rs->moveNext())
        columns << rs->field(QStringLiteral("name")).toString();
    return columns;
}

// The catalogue's own spelling of a DLL that the fixed entries lack, as the
// window's DLL filter lists it.
QString catalogueDll(Database& db, const QString& given) {
    for (const QString& spelling : catalogueDllSpellings(db))
        if (spelling.compare(given, Qt::CaseInsensitive) == 0) return spelling;
    throw FindFailure(
        QStringLiteral("unknown DLL '%1': no record of the catalogue is in it (see --help)")
            .arg(given));
}

// The statement the window runs for the same pattern and filters.
SearchStatement statementFor(Database& db, const FindOptions& options) {
    if (options.fullText) return fullTextQuery(options.pattern);
    const QString dll =
        options.dllPosition == kCatalogueDll ? catalogueDll(db, options.dllText) : options.dllText;
    return nameSearchQuery(options.pattern, options.categoryPosition, options.dllPosition, dll);
}

// Whole records by ID, in this order, as the record view reads them.
std::vector<QVariantList> records(Database& db, const std::vector<qint64>& ids,
                                  const QStringList& columns) {
    std::vector<QVariantList> rows;
    for (const qint64 id : ids) {
        const std::unique_ptr<Recordset> record = db.openRecordset(recordQuery(id));
        if (record->eof()) continue;
        QVariantList values;
        values.reserve(columns.size());
        for (const QString& column : columns) values << record->field(column);
        rows.push_back(std::move(values));
    }
    return rows;
}

void checkPattern(const QString& pattern) {
    try {
        JetPattern::compile(QStringView(pattern));
    } catch (const Error&) {
        throw FindFailure(
            QStringLiteral("malformed pattern '%1': every [ needs its ], and a range such as [a-z] "
                           "must run upwards")
                .arg(pattern));
    }
}

}  // namespace

QVariant FoundRecords::value(std::size_t row, const QString& column) const {
    for (qsizetype i = 0; i < columns.size(); ++i)
        if (columns[i].compare(column, Qt::CaseInsensitive) == 0) return rows[row][i];
    return {};
}

FoundRecords lookUp(Database& db, const FindOptions& options, const QString& path) {
    checkPattern(options.pattern);
    FoundRecords found;
    try {
        // One read transaction: the lookup sees one state of the file and
        // takes its lock once, not for every statement.
        db.execute(QStringLiteral("BEGIN"));
        const bool namesOnly = options.output == FindOutput::Names;
        found.columns = namesOnly ? QStringList{QStringLiteral("name")} : columnsOf(db);
        const QString formColumnName = formColumn(options.form);
        if (!namesOnly && !found.columns.contains(formColumnName, Qt::CaseInsensitive))
            throw FindFailure(
                QStringLiteral("the catalogue %1 has no %2 column, so it holds no %3 declarations; "
                               "choose another --form")
                    .arg(path, formColumnName, formName(options.form)));
        // The names and IDs as the window lists them, then each record as the
        // window shows it: the name search reads names and IDs alone, from an
        // index.
        std::vector<qint64> ids;
        const auto readPart = [&](Recordset& part) {
            for (; !part.eof(); part.moveNext()) {
                const auto id = wholeNumber(part.field(QStringLiteral("ID")));
                if (!id) {
                    ++found.skipped;
                } else if (options.limit > 0 && qlonglong(ids.size()) == options.limit) {
                    found.more = true;
                    return false;
                } else {
                    ids.push_back(*id);
                    if (namesOnly) found.rows.push_back({part.field(QStringLiteral("name"))});
                }
            }
            return true;
        };
        walkSearch(db, statementFor(db, options), kPartTime, readPart);
        if (!namesOnly) found.rows = records(db, ids, found.columns);
        db.execute(QStringLiteral("COMMIT"));
    } catch (const Error& e) {
        throw FindFailure(readingFailure(path, e.number()));
    }
    return found;
}

}  // namespace tolvane
