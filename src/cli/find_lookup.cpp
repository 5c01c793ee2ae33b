#include "cli/find_lookup.h"

#include "cli/find_catalogue.h"
#include "cli/find_options.h"
#include "cli/record_output.h"
#include "core/lookup/jet_pattern.h"
#include "core/lookup/search_requests.h"
#include "core/lookup/search_walk.h"
#include "core/store/catalogue_store.h"

#include "core/store/vocabulary.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <optional>
#include <set>
#include <vector>

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
        if (bareDllName(spelling).compare(bareDllName(given), Qt::CaseInsensitive) == 0)
            return spelling;
    throw FindFailure(
        QStringLiteral("unknown DLL '%1': no record of the catalogue is in it (see --help)")
            .arg(given));
}

constexpr std::size_t kSuggestions = 3;

// The search the window makes for the same pattern and filters.
SearchRequest requestFor(CatalogueStore& store, const FindOptions& options, const QString& path) {
    if (options.fullText) return fullTextSearch(options.pattern);
    const QString dll = options.dllPosition == kCatalogueDll
                            ? catalogueDll(store, options.dllText, path)
                            : options.dllText;
    return nameSearch(options.pattern, options.categoryPosition, options.dllPosition, dll);
}

// The name search's order: the names the pattern matches whole first, then
// those it begins, then the rest (the search finds every name that holds a
// match).
class NameRanks {
public:
    explicit NameRanks(const QString& pattern)
        : whole_(*JetPattern::compile(QStringView(pattern))),
          start_(*JetPattern::compile(QStringView(pattern + u'*'))) {}
    int of(QByteArrayView name) const {
        const std::string_view text(name.data(), std::size_t(name.size()));
        return whole_.matches(text) ? 0 : start_.matches(text) ? 1 : 2;
    }

private:
    JetPattern whole_;
    JetPattern start_;
};

void checkPattern(const QString& pattern) {
    if (!JetPattern::compile(QStringView(pattern)))
        throw FindFailure(
            QStringLiteral("malformed pattern '%1': every [ needs its ], and a range such as [a-z] "
                           "must run upwards")
                .arg(pattern));
}

}  // namespace

LookupEnd lookUp(CatalogueStore& store, const FindOptions& options, const QString& path,
                 RecordPrinter& printer) {
    checkPattern(options.pattern);
    const bool namesOnly = options.output == FindOutput::Names;
    const Column form = formColumn(options.form);
    if (!namesOnly && !store.columns().has(form))
        throw FindFailure(
            QStringLiteral("the catalogue %1 has no %2 column, so it holds no %3 declarations; "
                           "choose another --form")
                .arg(path, QLatin1String(columnName(form)), formName(options.form)));
    // The names and IDs come as the window lists them, and each record as the
    // window shows it: the name search reads names and IDs alone, from an
    // index. Each walk prints the rows of one rank (see nameRank); the rows
    // of a later rank wait for a walk of their own, so nothing is held back
    // in memory.
    class Print final : public RowSink {
    public:
        Print(CatalogueStore& store, RecordPrinter& printer, bool namesOnly, qlonglong limit)
            : store_(store), printer_(printer), namesOnly_(namesOnly), limit_(limit) {}
        std::function<int(QByteArrayView)> rank;  // none: every row in the window's order
        int printing = 0;                         // the rank this walk prints
        bool laterRank = false;                   // a row of a later rank was met
        bool row(const FoundRow& row) override {
            if (rank) {
                const int r = rank(row.name);
                laterRank = laterRank || r > printing;
                if (r != printing) return true;
            }
            if (limit_ > 0 && count_ == limit_) {
                more = true;
                return false;
            }
            ++count_;
            if (namesOnly_) {
                printer_.name(row.name);
                return true;
            }
            Result<Record> record = store_.record(row);
            if (record.ok()) printer_.record(*record);
            if (record.ok() || record.status().code() == StatusCode::RecordGone) return true;
            failure = record.status();
            return false;
        }
        bool partRead() override { return true; }
        bool more = false;
        Status failure;

    private:
        CatalogueStore& store_;
        RecordPrinter& printer_;
        const bool namesOnly_;
        const qlonglong limit_;
        qlonglong count_ = 0;
    } print(store, printer, namesOnly, options.limit);
    const std::optional<NameRanks> ranks =
        options.fullText || options.windowOrder
            ? std::nullopt
            : std::optional<NameRanks>(NameRanks(options.pattern));
    if (ranks) print.rank = [&ranks](QByteArrayView name) { return ranks->of(name); };
    LookupEnd end;
    // One read transaction: the lookup sees one state of the file and takes
    // its lock once.
    const Status read = store.readTogether([&] {
        const SearchRequest request = requestFor(store, options, path);
        for (print.printing = 0;; ++print.printing) {
            print.laterRank = false;
            const SearchEnd walked = walkRows(store, request, kPartTime, print);
            if (print.printing == 0) end.skipped = walked.skipped;
            if (!walked.status.ok()) return walked.status;
            if (!print.failure.ok() || print.more || !print.laterRank) return print.failure;
        }
    });
    if (!read.ok()) throw FindFailure(readingFailure(path, read));
    end.found = printer.printed() || !printer.withoutForm().isEmpty();
    end.more = print.more;
    return end;
}

QStringList closeNames(CatalogueStore& store, const QString& pattern, const QString& path) {
    // Levenshtein distance, letters compared without case.
    const QString wanted = pattern.toLower();
    const auto distance = [&wanted](const QString& name) {
        std::vector<int> row(std::size_t(wanted.size()) + 1);
        for (std::size_t j = 0; j < row.size(); ++j) row[j] = int(j);
        for (qsizetype i = 1; i <= name.size(); ++i) {
            int diagonal = row[0];
            row[0] = int(i);
            for (qsizetype j = 1; j <= wanted.size(); ++j) {
                const int above = row[std::size_t(j)];
                row[std::size_t(j)] =
                    std::min({above + 1, row[std::size_t(j - 1)] + 1,
                              diagonal + (name[i - 1].toLower() != wanted[j - 1])});
                diagonal = above;
            }
        }
        return row.back();
    };
    const int farthest = std::max<int>(1, int(wanted.size() / 3));
    class Nearest final : public RowSink {
    public:
        explicit Nearest(const std::function<int(const QString&)>& distance)
            : distance_(distance) {}
        bool row(const FoundRow& row) override {
            const QString name = QString::fromUtf8(row.name);
            const int d = distance_(name);
            if (d <= farthest && !found.contains({d, name})) found.insert({d, name});
            if (found.size() > kSuggestions) found.erase(std::prev(found.end()));
            return true;
        }
        bool partRead() override { return true; }
        std::set<std::pair<int, QString>> found;
        int farthest = 0;

    private:
        const std::function<int(const QString&)>& distance_;
    };
    const std::function<int(const QString&)> measure = distance;
    Nearest nearest(measure);
    nearest.farthest = farthest;
    const SearchEnd walked = walkRows(
        store, nameSearch(QStringLiteral("*"), allCategoriesPosition(), kAllLibrariesPosition, {}),
        kPartTime, nearest);
    if (!walked.status.ok()) throw FindFailure(readingFailure(path, walked.status));
    QStringList names;
    for (const auto& [d, name] : nearest.found) names << name;
    return names;
}

}  // namespace tolvane
