// Timings of the searches, the record view, the navigation, the save and the
// start-up on synthetic catalogues: through the window run offscreen, through
// the store alone, and as the plain SQLite statements.
#include "search_bench.h"
#include "process_memory.h"
#include "synthetic_catalogue.h"
#include "window_env_bench.h"

#include "core/lookup/search_requests.h"
#include "core/lookup/search_walk.h"
#include "core/store/catalogue_store.h"
#include "gui/search_panel.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <QAbstractItemModel>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace tolvane::bench {

namespace {

struct Case {
    std::string label;
    QString pattern;
    bool fullText;
    std::string rawSql;  // the same query in SQLite's own LIKE language
};

std::string rawFullText(const std::string& word) {
    std::string sql = "SELECT name,ID FROM winfun WHERE ";
    const char* columns[] = {"name",      "class",     "declare", "recode",  "othername",
                             "libsclass", "win95",     "winnt",   "explain", "returned",
                             "other",     "parameter", "vba64"};
    for (const char* c : columns)
        sql += std::string(c == columns[0] ? "" : " OR ") + c + " LIKE '%" + word + "%'";
    return sql;
}

const std::vector<Case>& searchCases() {
    static const std::vector<Case> cases = {
        {"\"*\" every record", QStringLiteral("*"), false,
         "SELECT name,ID FROM winfun WHERE name LIKE '%'"},
        {"CreateWindow", QStringLiteral("CreateWindow"), false,
         "SELECT name,ID FROM winfun WHERE name LIKE '%CreateWindow%'"},
        {"*Window*", QStringLiteral("*Window*"), false,
         "SELECT name,ID FROM winfun WHERE name LIKE '%Window%'"},
        {"Get?Text", QStringLiteral("Get?Text"), false,
         "SELECT name,ID FROM winfun WHERE name LIKE '%Get_Text%'"},
        {"full text \"handle\"", QStringLiteral("handle"), true, rawFullText("handle")},
    };
    return cases;
}

// The columns a save writes, as the window's VB form writes them.
const ColumnSet kSaved = {Column::Name,      Column::Dll,     Column::Explain,  Column::Declare,
                          Column::Parameter, Column::Recode,  Column::Returned, Column::Win95,
                          Column::WinNT,     Column::Category};

// The window on one catalogue, a store of its own and a plain SQLite connection.
class Session {
public:
    explicit Session(const std::string& path) : path_(path), env_(path) {
        form_ = startWindow(env_.env);
        patternBox_ = form_->findChild<QComboBox*>(QStringLiteral("patternBox"));
        searchDelay_ = form_->findChild<QTimer*>(QStringLiteral("searchDelay"));
        fullTextButton_ = form_->findChild<QPushButton*>(QStringLiteral("fullTextButton"));
        nextButton_ = form_->findChild<QPushButton*>(QStringLiteral("nextButton"));
        previousButton_ = form_->findChild<QPushButton*>(QStringLiteral("previousButton"));
        saveButton_ = form_->findChild<QPushButton*>(QStringLiteral("saveButton"));
        entries_ = form_->findChild<QListView*>(QStringLiteral("resultList"))->model();
        panel_ = form_->findChild<SearchPanel*>(QStringLiteral("searchPanel"));
        auto store = CatalogueStore::open(QString::fromStdString(path));
        if (!store.ok()) throw std::runtime_error("cannot open " + path);
        store_ = std::move(*store);
        if (sqlite3_open_v2(path.c_str(), &raw_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            throw std::runtime_error("cannot open " + path);
    }
    ~Session() { sqlite3_close(raw_); }

    // The session of a catalogue; opening another closes the previous one.
    static Session& of(const std::string& path) {
        if (!current || current->path_ != path) {
            current.reset();
            current = std::make_unique<Session>(path);
        }
        return *current;
    }
    static std::unique_ptr<Session> current;

    // A name search as its delay runs it, or a full-text search; returns
    // once the list is filled and laid out.
    void search(const QString& pattern, bool fullText) {
        patternBox_->setEditText(pattern);
        if (fullText)
            fullTextButton_->click();
        else
            searchDelay_->start(0);
        while (searchDelay_->isActive() || panel_->searching())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::processEvents();  // the list lays out and paints
    }
    int entries() const { return entries_->rowCount(); }
    void show(qint64 id) { emit panel_->entryChosen(id, 0); }
    void click(NavigationButton button) {
        (button == kPreviousRecord ? previousButton_ : nextButton_)->click();
    }
    void save() { saveButton_->click(); }
    CatalogueStore& store() { return *store_; }
    sqlite3* raw() { return raw_; }

private:
    std::string path_;
    BenchEnv env_;
    std::unique_ptr<MainWindow> form_;
    QComboBox* patternBox_ = nullptr;
    QTimer* searchDelay_ = nullptr;
    QPushButton* fullTextButton_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    QPushButton* previousButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    const QAbstractItemModel* entries_ = nullptr;
    SearchPanel* panel_ = nullptr;
    std::unique_ptr<CatalogueStore> store_;
    sqlite3* raw_ = nullptr;
};

std::unique_ptr<Session> Session::current;

long long drainRaw(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db));
    long long count = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        for (int c = 0; c < sqlite3_column_count(st); ++c) {
            benchmark::DoNotOptimize(sqlite3_column_text(st, c));
            benchmark::DoNotOptimize(sqlite3_column_bytes(st, c));
        }
        ++count;
    }
    sqlite3_finalize(st);
    return count;
}

// A save as plain SQLite makes it: the same ten columns in one bound UPDATE
// in a transaction.
void saveRaw(sqlite3* db, const Record& record) {
    sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db,
                       "UPDATE winfun SET name=?, class=?, libsclass=?, win95=?, winnt=?, "
                       "explain=?, declare=?, parameter=?, recode=?, returned=? WHERE ID=?",
                       -1, &st, nullptr);
    const Column columns[] = {Column::Name,   Column::Category, Column::Dll,     Column::Win95,
                              Column::WinNT,  Column::Explain,  Column::Declare, Column::Parameter,
                              Column::Recode, Column::Returned};
    std::vector<QByteArray> texts;
    int at = 0;
    for (const Column c : columns) {
        texts.push_back(record.text(c).toUtf8());
        sqlite3_bind_text(st, ++at, texts.back().constData(), int(texts.back().size()),
                          SQLITE_STATIC);
    }
    sqlite3_bind_int64(st, ++at, *record.id());
    sqlite3_step(st);
    sqlite3_finalize(st);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
}

void searchThroughWindow(benchmark::State& state, const std::string& path, const Case& c) {
    Session& session = Session::of(path);
    const auto search = [&] { session.search(c.pattern, c.fullText); };
    search();  // warms the file cache, as the store and plain runs are warmed
    // A timer that wants to run every millisecond shows the longest time
    // the window could not answer input.
    QElapsedTimer sinceTick;
    qint64 longestPause = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout,
                     [&] { longestPause = std::max(longestPause, sinceTick.restart()); });
    ticker.start(1);
    for (auto _ : state) {
        sinceTick.start();
        search();
    }
    state.counters["entries"] = session.entries();
    state.counters["longest_pause_ms"] = static_cast<double>(longestPause);
}

void searchThroughStore(benchmark::State& state, const std::string& path, const Case& c) {
    CatalogueStore& store = Session::of(path).store();
    const SearchRequest request =
        c.fullText ? fullTextSearch(c.pattern) : nameSearch(c.pattern, 2, 0, {});
    long long rows = 0;
    const auto run = [&] {
        rows = 0;
        walkSearch(store, request, std::chrono::milliseconds(10), [&](ResultBatch& batch) {
            for (int i = 0; i < batch.size(); ++i) benchmark::DoNotOptimize(batch.nameBytes(i));
            rows += batch.size();
            return true;
        });
    };
    run();
    for (auto _ : state) run();
    state.counters["entries"] = static_cast<double>(rows);
}

void searchRaw(benchmark::State& state, const std::string& path, const Case& c) {
    sqlite3* db = Session::of(path).raw();
    long long rows = drainRaw(db, c.rawSql);
    for (auto _ : state) rows = drainRaw(db, c.rawSql);
    state.counters["entries"] = static_cast<double>(rows);
}

void showRecord(benchmark::State& state, const std::string& path, Path through, int records) {
    Session& s = Session::of(path);
    const int id = records / 2;
    for (auto _ : state) {
        switch (through) {
        case Path::Window: s.show(id); break;
        case Path::Engine: {
            const Result<Record> record = s.store().record(id);
            for (int c = 0; c < kColumnCount; ++c)
                benchmark::DoNotOptimize(record->text(Column(c)));
            break;
        }
        case Path::Raw:
            drainRaw(s.raw(), "select * from winfun where ID =" + std::to_string(id));
            break;
        }
    }
}

// Alternates next and previous around the middle record.
void navigationStep(benchmark::State& state, const std::string& path, Path through, int records) {
    Session& s = Session::of(path);
    s.show(records / 2);
    const Record middle = *s.store().record(records / 2),
                 later = *s.store().record(records / 2 + 1);
    int step = 0;
    for (auto _ : state) {
        const bool next = step++ % 2 == 0;
        const qint64 from = records / 2 + (next ? 0 : 1);
        switch (through) {
        case Path::Window: s.click(next ? kNextRecord : kPreviousRecord); break;
        case Path::Engine:
            benchmark::DoNotOptimize(next ? s.store().after(middle) : s.store().before(later));
            break;
        case Path::Raw:
            drainRaw(s.raw(), next ? "select * from winfun where ID>" + std::to_string(from) +
                                         " order by ID limit 1"
                                   : "select * from winfun where ID<" + std::to_string(from) +
                                         " order by ID desc limit 1");
            break;
        }
    }
}

// Saves the middle record unchanged: the window's handler with its question
// and its message, the store's save, the plain UPDATE.
void save(benchmark::State& state, const std::string& path, Path through, int records) {
    Session& s = Session::of(path);
    const int id = records / 2;
    s.show(id);
    const Record record = *s.store().record(id);
    for (auto _ : state) {
        switch (through) {
        case Path::Window: s.save(); break;
        case Path::Engine: s.store().save(record, record, kSaved); break;
        case Path::Raw: saveRaw(s.raw(), record); break;
        }
    }
}

const char* pathName(Path p) {
    return p == Path::Window ? "window" : p == Path::Engine ? "engine" : "sqlite";
}

// Registers one case on one path under a name the table finds again.
template <class Body>
void add(std::map<std::string, FigureKey>& names, int records, const std::string& label,
         Path through, Body body) {
    const std::string name = std::to_string(records) + ":" + pathName(through) + ":" + label;
    names[name] = {records, label, through};
    benchmark::RegisterBenchmark(name.c_str(), body)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->MinTime(0.3);
}

}  // namespace

void closeSession() { Session::current.reset(); }

void registerSearchBenchmarks(const std::string& folder, const std::vector<int>& sizes,
                              std::map<std::string, FigureKey>& names) {
    for (const int records : sizes) {
        const std::string path = syntheticCatalogue(folder, records);
        for (const Case& c : searchCases()) {
            add(names, records, c.label, Path::Window,
                [path, &c](benchmark::State& s) { searchThroughWindow(s, path, c); });
            add(names, records, c.label, Path::Engine,
                [path, &c](benchmark::State& s) { searchThroughStore(s, path, c); });
            add(names, records, c.label, Path::Raw,
                [path, &c](benchmark::State& s) { searchRaw(s, path, c); });
        }
        for (const Path through : {Path::Window, Path::Engine, Path::Raw}) {
            add(names, records, "showRecord", through,
                [=](benchmark::State& s) { showRecord(s, path, through, records); });
            add(names, records, "navigation step", through,
                [=](benchmark::State& s) { navigationStep(s, path, through, records); });
            add(names, records, "save", through,
                [=](benchmark::State& s) { save(s, path, through, records); });
        }
    }
}

void registerStartUpBenchmarks(const std::string& folder, const std::vector<int>& sizes,
                               std::map<std::string, FigureKey>& names) {
    for (const int records : sizes) {
        const std::string path = syntheticCatalogue(folder, records);
        add(names, records, "start-up", Path::Window, [path](benchmark::State& state) {
            closeSession();
            const BenchEnv env(path);
            startWindow(env.env);  // warms the file cache
            for (auto _ : state) startWindow(env.env);
        });
    }
}

int memoryProbe(const std::string& catalogue) {
    Session session(catalogue);
    const long long before = statusKiB("VmHWM:");
    session.search(QStringLiteral("*"), false);
    std::printf("entries=%d before=%lld peak=%lld rss=%lld names=%lld\n", session.entries(), before,
                statusKiB("VmHWM:"), statusKiB("VmRSS:"), nameBytes(catalogue) / 1024);
    return 0;
}

int saveStatements(const std::string& catalogue) {
    auto store = CatalogueStore::open(QString::fromStdString(catalogue));
    if (!store.ok()) return 1;
    const Result<Record> record = (*store)->first();
    if (!record.ok()) return 1;
    int before = (*store)->statementsPrepared();
    (*store)->save(*record, *record, kSaved);
    const int first = (*store)->statementsPrepared() - before;
    before = (*store)->statementsPrepared();
    (*store)->save(*record, *record, kSaved);
    std::printf(
        "first save: %d statements prepared (BEGIN IMMEDIATE, the row, its ID's uniqueness, "
        "COMMIT), "
        "every save after it: %d\n",
        first, (*store)->statementsPrepared() - before);
    return 0;
}

}  // namespace tolvane::bench
