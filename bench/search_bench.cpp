// Timings of the searches, the record view and the navigation on synthetic
// catalogues: through the window run offscreen, through the engine alone,
// and as the plain SQLite query.
#include "search_bench.h"
#include "process_memory.h"
#include "synthetic_catalogue.h"

#include "browse/add_items.h"
#include "browse/form1.h"
#include "browse/result_list.h"
#include "browse/search_query.h"
#include "catalogue/vocabulary.h"
#include "platform/dialogs.h"
#include "platform/engine.h"
#include "platform/sqlite_engine.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QFile>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

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

struct Case {
    std::string label;
    QString pattern;
    bool fullText;
    std::string rawSql;  // the same query in SQLite's own LIKE language
};

std::string rawFullText(const std::string& word) {
    std::string sql = "SELECT name,ID FROM winfun WHERE ";
    const char* columns[] = {"name",      "class",    "declare", "recode",  "othername", "libsclass",
                             "win95",     "winnt",    "explain", "returned", "other",    "parameter"};
    for (const char* c : columns) sql += std::string(c == columns[0] ? "" : " OR ") + c + " LIKE '%" + word + "%'";
    return sql;
}

const std::vector<Case>& searchCases() {
    static const std::vector<Case> cases = {
        {"\"*\" every record", QStringLiteral("*"), false, "SELECT name,ID FROM winfun WHERE name LIKE '%'"},
        {"CreateWindow", QStringLiteral("CreateWindow"), false,
         "SELECT name,ID FROM winfun WHERE name LIKE '%CreateWindow%'"},
        {"*Window*", QStringLiteral("*Window*"), false, "SELECT name,ID FROM winfun WHERE name LIKE '%Window%'"},
        {"Get?Text", QStringLiteral("Get?Text"), false, "SELECT name,ID FROM winfun WHERE name LIKE '%Get_Text%'"},
        {"full text \"handle\"", QStringLiteral("handle"), true, rawFullText("handle")},
    };
    return cases;
}

// The window on one catalogue, shown offscreen, as start-up leaves it.
class Session {
public:
    explicit Session(const std::string& path) : path_(path) {
        env_.dialogs = &dialogs_;
        form_ = std::make_unique<Form1>(env_);
        form_->Db = SqliteEngine().openDatabase(QString::fromStdString(path));
        AddItems(kCategoryList, form_->CoLei, QStringLiteral("~"), kAllCategoriesPosition);
        AddItems(kCategoryList, form_->CoOut, QStringLiteral("~"), kAllCategoriesPosition);
        AddItems(kDllList, form_->CoDll, QStringLiteral("~"), kAllLibrariesPosition);
        form_->Loaded = true;
        form_->show();
        QCoreApplication::processEvents();
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

    Form1& form() { return *form_; }
    Database& db() { return *form_->Db; }
    sqlite3* raw() { return raw_; }

private:
    std::string path_;
    SilentDialogs dialogs_;
    Env env_;
    std::unique_ptr<Form1> form_;
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
    Form1& f = Session::of(path).form();
    f.T->setEditText(c.pattern);
    const auto search = [&] {
        if (c.fullText)
            f.Command5_Click();
        else
            f.Timer1_Timer();
        QCoreApplication::processEvents();  // the list lays out and paints
    };
    search();  // warms the file cache, as the engine and plain runs are warmed
    // A timer that wants to run every millisecond shows the longest time
    // the window could not answer input.
    QElapsedTimer sinceTick;
    qint64 longestPause = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestPause = std::max(longestPause, sinceTick.restart());
    });
    ticker.start(1);
    for (auto _ : state) {
        sinceTick.start();
        search();
    }
    state.counters["entries"] = f.LItems->count();
    state.counters["longest_pause_ms"] = static_cast<double>(longestPause);
}

void searchThroughEngine(benchmark::State& state, const std::string& path, const Case& c) {
    Database& db = Session::of(path).db();
    const QString sql = (c.fullText ? fullTextQuery(c.pattern) : nameSearchQuery(c.pattern, 2, 0, {})).text();
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
        case Path::Window: s.form().ShowRecord(QString::number(id)); break;
        case Path::Engine: {
            const auto row = s.db().openRecordset(recordQuery(id));
            for (const char* column : {"ID", "name", "class", "libsclass", "win95", "winnt", "explain", "declare",
                                       "CSharp", "parameter", "recode", "returned"})
                benchmark::DoNotOptimize(row->field(QLatin1String(column)).toString());
            break;
        }
        case Path::Raw: drainRaw(s.raw(), "select * from winfun where ID =" + std::to_string(id)); break;
        }
    }
}

// Alternates next and previous around the middle record.
void navigationStep(benchmark::State& state, const std::string& path, Path through, int records) {
    Session& s = Session::of(path);
    Form1& f = s.form();
    f.ShowRecord(QString::number(records / 2));
    int step = 0;
    for (auto _ : state) {
        const int button = step++ % 2 ? 1 : 2;
        const NavigationPlan plan = navigationPlan(button, QString::number(records / 2 + (button == 1)));
        switch (through) {
        case Path::Window: f.Goto_Click(button); break;
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

const char* pathName(Path p) { return p == Path::Window ? "window" : p == Path::Engine ? "engine" : "sqlite"; }

}  // namespace

void closeSession() { Session::current.reset(); }

void registerSearchBenchmarks(const std::string& folder, const std::vector<int>& sizes,
                              std::map<std::string, FigureKey>& names) {
    for (const int records : sizes) {
        const std::string path = syntheticCatalogue(folder, records);
        auto add = [&](const std::string& label, Path through, auto&& body) {
            const std::string name = std::to_string(records) + ":" + pathName(through) + ":" + label;
            names[name] = {records, label, through};
            benchmark::RegisterBenchmark(name.c_str(), body)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->MinTime(0.3);
        };
        for (const Case& c : searchCases()) {
            add(c.label, Path::Window, [path, &c](benchmark::State& s) { searchThroughWindow(s, path, c); });
            add(c.label, Path::Engine, [path, &c](benchmark::State& s) { searchThroughEngine(s, path, c); });
            add(c.label, Path::Raw, [path, &c](benchmark::State& s) { searchRaw(s, path, c); });
        }
        for (const Path through : {Path::Window, Path::Engine, Path::Raw}) {
            add("ShowRecord", through, [=](benchmark::State& s) { showRecord(s, path, through, records); });
            add("navigation step", through,
                [=](benchmark::State& s) { navigationStep(s, path, through, records); });
        }
    }
}

int memoryProbe(const std::string& catalogue) {
    Session session(catalogue);
    const long long before = statusKiB("VmHWM:");
    Form1& f = session.form();
    f.T->setEditText(QStringLiteral("*"));
    f.Timer1_Timer();
    QCoreApplication::processEvents();
    std::printf("entries=%d before=%lld peak=%lld rss=%lld names=%lld\n", f.LItems->count(), before,
                statusKiB("VmHWM:"), statusKiB("VmRSS:"), nameBytes(catalogue) / 1024);
    return 0;
}

}  // namespace tolvane::bench
