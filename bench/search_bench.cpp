// Timings of the searches, the record view and the navigation on synthetic
// catalogues: through the window run offscreen, through the engine alone,
// and as the plain SQLite query.
#include "search_bench.h"
#include "process_memory.h"
#include "synthetic_catalogue.h"

#include "core/locate/open_catalogue.h"
#include "core/lookup/search_query.h"
#include "core/store/engine.h"
#include "core/store/sqlite_engine.h"
#include "core/system/dialogs.h"
#include "core/system/local_file_probe.h"
#include "core/system/settings.h"
#include "gui/main_window.h"
#include "gui/record_view.h"
#include "gui/window_controls.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <QAbstractItemModel>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace tolvane::bench {

namespace {

class SilentDialogs : public Dialogs {
public:
    Answer messageBox(const QString&, Buttons, Icon) override { return Answer::Ok; }
    QString inputBox(const QString&) override { return {}; }
    void fileDialog(const FileDialogRequest&, std::string&) override {}
};

// Settings that remember one catalogue and the engine, as after a first start.
class RememberedCatalogue : public SettingsStore {
public:
    explicit RememberedCatalogue(const QString& path) : path_(path) {}
    QString read(const QString&, const QString& section, const QString&,
                 const QString& defaultValue) override {
        if (section == kCataloguePathEntry) return path_;
        if (section == kEngineVersionEntry) return QStringLiteral("DAO.DBEngine.36");
        return defaultValue;
    }
    void write(const QString&, const QString&, const QString&, const QString&) override {}
    void remove(const QString&, const QString&, const QString&) override {}

private:
    QString path_;
};

struct Case {
    std::string label;
    QString pattern;
    bool fullText;
    std::string rawSql;  // the same query in SQLite's own LIKE language
};

std::string rawFullText(const std::string& word) {
    std::string sql = "SELECT name,ID FROM winfun WHERE ";
    const char* columns[] = {"name",  "class", "declare", "recode",   "othername", "libsclass",
                             "win95", "winnt", "explain", "returned", "other",     "parameter"};
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

// The window on one catalogue, shown offscreen, as start-up leaves it; a
// record view of its own over a second set of controls; a second engine
// connection and a plain SQLite one.
class Session {
public:
    explicit Session(const std::string& path)
        : path_(path), settings_(QString::fromStdString(path)) {
        env_.engines = &engines_;
        env_.settings = &settings_;
        env_.files = &files_;
        env_.dialogs = &dialogs_;
        form_ = std::make_unique<MainWindow>(env_);
        form_->start();
        form_->show();
        QCoreApplication::processEvents();
        patternBox_ = form_->findChild<QComboBox*>(QStringLiteral("patternBox"));
        searchDelay_ = form_->findChild<QTimer*>(QStringLiteral("searchDelay"));
        fullTextButton_ = form_->findChild<QPushButton*>(QStringLiteral("fullTextButton"));
        nextButton_ = form_->findChild<QPushButton*>(QStringLiteral("nextButton"));
        previousButton_ = form_->findChild<QPushButton*>(QStringLiteral("previousButton"));
        entries_ = form_->findChild<QListView*>(QStringLiteral("resultList"))->model();
        db_ = SqliteEngine().openDatabase(QString::fromStdString(path));
        viewControls_ = createControls(viewWindow_, env_);
        const WindowControls& c = viewControls_;
        view_ = std::make_unique<RecordView>(
            db_, dialogs_,
            RecordView::Controls{c.detailBoxes, c.win95Check, c.winntCheck, c.categoryBox,
                                 c.resultList, c.resultModel, c.statusLine});
        if (sqlite3_open_v2(path.c_str(), &raw_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
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
        if (fullText) {
            fullTextButton_->click();
        } else {
            searchDelay_->start(0);
            while (searchDelay_->isActive())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        QCoreApplication::processEvents();  // the list lays out and paints
    }
    int entries() const { return entries_->rowCount(); }
    void navigate(int button) {
        (button == kPreviousRecord ? previousButton_ : nextButton_)->click();
    }
    RecordView& view() { return *view_; }
    Database& db() { return *db_; }
    sqlite3* raw() { return raw_; }

private:
    std::string path_;
    SilentDialogs dialogs_;
    SqliteEngineFactory engines_;
    LocalFileProbe files_;
    RememberedCatalogue settings_;
    Env env_;
    std::unique_ptr<MainWindow> form_;
    QComboBox* patternBox_ = nullptr;
    QTimer* searchDelay_ = nullptr;
    QPushButton* fullTextButton_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    QPushButton* previousButton_ = nullptr;
    const QAbstractItemModel* entries_ = nullptr;
    std::shared_ptr<Database> db_;
    QWidget viewWindow_;
    WindowControls viewControls_;
    std::unique_ptr<RecordView> view_;
    sqlite3* raw_ = nullptr;
};

std::unique_ptr<Session> Session::current;

// Reads name and ID of every row as the list does.
long long drainEngine(Recordset& rows) {
    long long count = 0;
    while (!rows.eof()) {
        const QByteArray name = rows.field(QStringLiteral("name")).toString().toUtf8();
        benchmark::DoNotOptimize(name.constData());
        benchmark::DoNotOptimize(rows.field(QStringLiteral("ID")).toLongLong());
        rows.moveNext();
        ++count;
    }
    return count;
}

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

void searchThroughWindow(benchmark::State& state, const std::string& path, const Case& c) {
    Session& session = Session::of(path);
    const auto search = [&] { session.search(c.pattern, c.fullText); };
    search();  // warms the file cache, as the engine and plain runs are warmed
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

void searchThroughEngine(benchmark::State& state, const std::string& path, const Case& c) {
    Database& db = Session::of(path).db();
    const QString sql =
        (c.fullText ? fullTextQuery(c.pattern) : nameSearchQuery(c.pattern, 2, 0, {})).text();
    long long rows = drainEngine(*db.openRecordset(sql));
    for (auto _ : state) rows = drainEngine(*db.openRecordset(sql));
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
        case Path::Window: s.view().showRecord(QString::number(id)); break;
        case Path::Engine: {
            const auto row = s.db().openRecordset(recordQuery(id));
            for (const char* column :
                 {"ID", "name", "class", "libsclass", "win95", "winnt", "explain", "declare",
                  "CSharp", "parameter", "recode", "returned"})
                benchmark::DoNotOptimize(row->field(QLatin1String(column)).toString());
            break;
        }
        case Path::Raw:
            drainRaw(s.raw(), "select * from winfun where ID =" + std::to_string(id));
            break;
        }
    }
}

// Alternates next and previous in the window, and the same statements
// around the middle record through the engine and plain SQLite.
void navigationStep(benchmark::State& state, const std::string& path, Path through, int records) {
    Session& s = Session::of(path);
    s.navigate(kNextRecord);  // from no record on view to the second
    int step = 0;
    for (auto _ : state) {
        const int button = step++ % 2 ? 1 : 2;
        const NavigationPlan plan =
            navigationPlan(button, QString::number(records / 2 + (button == 1)));
        switch (through) {
        case Path::Window: s.navigate(button); break;
        case Path::Engine: {
            const auto rows = s.db().openRecordset(plan.sql);
            rows->moveFirst();
            benchmark::DoNotOptimize(rows->field(QStringLiteral("ID")).toLongLong());
            break;
        }
        case Path::Raw: drainRaw(s.raw(), plan.sql.toStdString()); break;
        }
    }
}

const char* pathName(Path p) {
    return p == Path::Window ? "window" : p == Path::Engine ? "engine" : "sqlite";
}

}  // namespace

void closeSession() { Session::current.reset(); }

void registerSearchBenchmarks(const std::string& folder, const std::vector<int>& sizes,
                              std::map<std::string, FigureKey>& names) {
    for (const int records : sizes) {
        const std::string path = syntheticCatalogue(folder, records);
        auto add = [&](const std::string& label, Path through, auto&& body) {
            const std::string name =
                std::to_string(records) + ":" + pathName(through) + ":" + label;
            names[name] = {records, label, through};
            benchmark::RegisterBenchmark(name.c_str(), body)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->MinTime(0.3);
        };
        for (const Case& c : searchCases()) {
            add(c.label, Path::Window,
                [path, &c](benchmark::State& s) { searchThroughWindow(s, path, c); });
            add(c.label, Path::Engine,
                [path, &c](benchmark::State& s) { searchThroughEngine(s, path, c); });
            add(c.label, Path::Raw, [path, &c](benchmark::State& s) { searchRaw(s, path, c); });
        }
        for (const Path through : {Path::Window, Path::Engine, Path::Raw}) {
            add("showRecord", through,
                [=](benchmark::State& s) { showRecord(s, path, through, records); });
            add("navigation step", through,
                [=](benchmark::State& s) { navigationStep(s, path, through, records); });
        }
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

}  // namespace tolvane::bench
