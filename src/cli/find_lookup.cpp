#include "cli/find_lookup.h"

#include "cli/find_catalogue.h"
#include "cli/find_options.h"
#include "core/lookup/jet_pattern.h"
#include "core/lookup/search_requests.h"
#include "core/lookup/search_walk.h"
#include "core/store/catalogue_store.h"

#include <chrono>

namespace tolvane {

namespace {

// About how long reading one part of the catalogue takes: the parts start
// small, so a lookup that stops at its limit reads little more than it needs.
constexpr std::chrono::milliseconds kPartTime{10};

// The catalogue's own spelling of a DLL that the fixed entries lack, as the
// window's DLL filter lists it.
QString catalogueDll(CatalogueStore& store, const QString& given, const QString& path) {
    const Result<QStringList> spellings = store.dllSpellings();
    if (!spellings.ok()) throw FindFailure(readingFailure(path, spellings.status()));
    for (const QString& spelling : *spellings)
        if (spelling.compare(given, Qt::CaseInsensitive) == 0) return spelling;
    throw FindFailure(
        QStringLiteral("unknown DLL '%1': no record of the catalogue is in it (see --help)")
            .arg(given));
}

// The search the window makes for the same pattern and filters.
SearchRequest requestFor(CatalogueStore& store, const FindOptions& options, const QString& path) {
    if (options.fullText) return fullTextSearch(options.pattern);
    const QString dll = options.dllPosition == kCatalogueDll
                            ? catalogueDll(store, options.dllText, path)
                            : options.dllText;
    return nameSearch(options.pattern, options.categoryPosition, options.dllPosition, dll);
}

void checkPattern(const QString& pattern) {
    if (!JetPattern::compile(QStringView(pattern)))
        throw FindFailure(
            QStringLiteral("malformed pattern '%1': every [ needs its ], and a range such as [a-z] "
                           "must run upwards")
                .arg(pattern));
}

}  // namespace

FoundRecords lookUp(CatalogueStore& store, const FindOptions& options, const QString& path) {
    checkPattern(options.pattern);
    FoundRecords found;
    const bool namesOnly = options.output == FindOutput::Names;
    found.columns = namesOnly ? ColumnSet{Column::Name} : store.columns();
    const Column form = formColumn(options.form);
    if (!namesOnly && !found.columns.has(form))
        throw FindFailure(
            QStringLiteral("the catalogue %1 has no %2 column, so it holds no %3 declarations; "
                           "choose another --form")
                .arg(path, QLatin1String(columnName(form)), formName(options.form)));
    // One read transaction: the lookup sees one state of the file and takes
    // its lock once. The names and IDs come as the window lists them, then
    // each record as the window shows it: the name search reads names and
    // IDs alone, from an index.
    const Status read = store.readTogether([&] {
        std::vector<qint64> ids;
        const auto take = [&](ResultBatch& batch) {
            for (int i = 0; i < batch.size(); ++i) {
                if (options.limit > 0 &&
                    qlonglong(ids.size() + found.names.size()) == options.limit) {
                    found.more = true;
                    return false;
                }
                if (namesOnly)
                    found.names.push_back(batch.nameBytes(i).toByteArray());
                else
                    ids.push_back(batch.id(i));
            }
            return true;
        };
        const SearchEnd end = walkSearch(store, requestFor(store, options, path), kPartTime, take);
        found.skipped = end.skipped;
        if (!end.status.ok()) return end.status;
        if (namesOnly) return Status();
        for (const qint64 id : ids) {
            Result<Record> record = store.record(id);
            if (record.ok())
                found.rows.push_back(std::move(*record));
            else if (record.status().code() != StatusCode::RecordGone)
                return record.status();
        }
        return Status();
    });
    if (!read.ok()) throw FindFailure(readingFailure(path, read));
    return found;
}

}  // namespace tolvane
