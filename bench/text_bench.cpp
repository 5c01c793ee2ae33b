// tolvane_text_bench [--only=TEXT,...] [--dir=FOLDER]
// Times the window with big texts, run offscreen: choosing a record whose
// name or 说明 holds 1 KB, 1 MB or 100 MB, from the click on the next-record
// button until the window has shown it and answers input again, the first
// key typed into the start of the big value and leaving the record (the
// key let go); saving such a key (which rewrites the whole value), and Esc
// during such a save of 100 MB;
// and pasting 1 MB and 10 MB into the one-line name box and into 说明, from
// Ctrl+V until the window answers input. Prints one line per case; --only runs the cases
// whose label contains one of the texts. The catalogues are built once in
// FOLDER (default $TMPDIR/tolvane-bench).
#include "window_env_bench.h"

#include <sqlite3.h>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

using namespace tolvane;
using namespace tolvane::bench;

namespace {

// A text of `size` characters: one line of letters, or lines of 98 letters
// and a CR LF.
std::string bigText(long long size, bool lines) {
    std::string text;
    text.reserve(static_cast<std::size_t>(size));
    for (long long i = 0; i < size; ++i)
        text += lines && i % 100 == 98 ? '\r' : lines && i % 100 == 99 ? '\n' : char('a' + i % 26);
    return text;
}

void check(int rc, sqlite3* db, const char* what) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE)
        throw std::runtime_error(std::string(what) + ": " + sqlite3_errmsg(db));
}

// A catalogue of two records: "Small", then "Big" whose `column` holds
// `value`; with `filled`, the boxes after 说明 hold short texts, which the
// file stores after the big value.
std::string catalogue(const std::string& folder, const std::string& label, const char* column,
                      const std::string& value, bool filled = false) {
    namespace fs = std::filesystem;
    fs::create_directories(folder);
    const fs::path path = fs::path(folder) / ("big-text-" + label + ".mdb");
    if (fs::exists(path)) return path.string();
    const std::string partial = path.string() + ".part";
    fs::remove(partial);
    sqlite3* db = nullptr;
    check(sqlite3_open(partial.c_str(), &db), db, "open");
    std::ifstream schemaFile(TOLVANE_SOURCE_DIR "/data/schema.sql");
    std::stringstream schema;
    schema << schemaFile.rdbuf();
    check(sqlite3_exec(db, schema.str().c_str(), nullptr, nullptr, nullptr), db, "schema");
    check(sqlite3_exec(db, "INSERT INTO winfun (ID, name) VALUES (1, 'Small')", nullptr, nullptr,
                       nullptr),
          db, "insert");
    const std::string fixed =
        std::string(column) == "name"
            ? "INSERT INTO winfun (ID, name) VALUES (2, ?)"
            : std::string("INSERT INTO winfun (ID, name, ") + column + ") VALUES (2, 'Big', ?)";
    sqlite3_stmt* st = nullptr;
    check(sqlite3_prepare_v2(db, fixed.c_str(), -1, &st, nullptr), db, "prepare");
    sqlite3_bind_text64(st, 1, value.data(), value.size(), SQLITE_STATIC, SQLITE_UTF8);
    check(sqlite3_step(st), db, "insert");
    sqlite3_finalize(st);
    if (filled)
        check(sqlite3_exec(db,
                           "UPDATE winfun SET declare = 'Declare Big', parameter = 'p', "
                           "recode = 'r', returned = 'n' WHERE ID = 2",
                           nullptr, nullptr, nullptr),
              db, "fill");
    sqlite3_close(db);
    fs::rename(partial, path);
    return path.string();
}

QPushButton* button(QWidget& window, const char* name) {
    return window.findChild<QPushButton*>(QLatin1String(name));
}

// Milliseconds from `action` until the window has handled every event it
// caused (painting included) and so answers the next input.
double untilAnswering(const std::function<void()>& action) {
    QElapsedTimer t;
    t.start();
    action();
    QCoreApplication::processEvents();
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

void press(QWidget* box, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
           const QString& text = {}) {
    QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
    QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(box, &down);
    QApplication::sendEvent(box, &up);
}

struct Kind {
    const char* label;
    const char* column;
    const char* box;
    bool lines;
    bool filled = false;
};
const Kind kKinds[] = {
    {"name box, one line", "name", "nameBox", false},
    {"说明 box, one line", "explain", "explanationBox", false},
    {"说明 box, lines of 100", "explain", "explanationBox", true},
    {"说明 box, one line, later boxes filled", "explain", "explanationBox", false, true}};

std::string sizeLabel(long long size) {
    return size >= 1000000 ? std::to_string(size / 1000000) + " MB"
                           : std::to_string(size / 1000) + " KB";
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::string folder = QDir::tempPath().toStdString() + "/tolvane-bench";
    std::vector<std::string> only;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--dir=", 0) == 0) {
            folder = arg.substr(6);
        } else if (arg.rfind("--only=", 0) == 0) {
            std::stringstream list(arg.substr(7));
            for (std::string item; std::getline(list, item, ',');) only.push_back(item);
        } else {
            std::fprintf(stderr, "Usage: tolvane_text_bench [--only=TEXT,...] [--dir=FOLDER]\n");
            return 2;
        }
    }
    const auto wanted = [&only](const std::string& label) {
        if (only.empty()) return true;
        for (const std::string& o : only)
            if (label.find(o) != std::string::npos) return true;
        return false;
    };
    const auto print = [](const std::string& label, double ms) {
        std::printf("%-48s %10.1f ms\n", label.c_str(), ms);
        std::fflush(stdout);
    };

    // Saves rewrite the big values, so they run after every show.
    for (const bool saving : {false, true})
        for (const Kind& kind : kKinds)
            for (long long size : {1000LL, 1000000LL, 100000000LL}) {
                const std::string label = (saving ? "save a key typed into " : "show ") +
                                          sizeLabel(size) + ", " + kind.label;
                if (!wanted(label) || (kind.filled && size < 100000000LL)) continue;
                const std::string slug = std::string(kind.column) +
                                         (kind.lines ? "-lines-" : "-line-") +
                                         (kind.filled ? "filled-" : "") + std::to_string(size);
                BenchEnv env(
                    catalogue(folder, slug, kind.column, bigText(size, kind.lines), kind.filled));
                // Typed keys are let go on leaving, and saved on saving.
                env.dialogs.questions = saving ? Answer::Yes : Answer::No;
                std::unique_ptr<MainWindow> window = startWindow(env.env);
                untilAnswering([&] { button(*window, "firstButton")->click(); });
                const double shown =
                    untilAnswering([&] { button(*window, "nextButton")->click(); });
                QWidget* box = window->findChild<QWidget*>(QLatin1String(kind.box));
                press(box, Qt::Key_Home, Qt::ControlModifier);
                const double typed = untilAnswering(
                    [&] { press(box, Qt::Key_Z, Qt::ShiftModifier, QStringLiteral("Z")); });
                if (saving) {
                    print(label,
                          untilAnswering([&] { button(*window, "saveButton")->click(); }));
                    if (size < 100000000LL) continue;
                    // Esc a third of a second into the next such save.
                    press(box, Qt::Key_Z, Qt::ShiftModifier, QStringLiteral("Z"));
                    QTimer::singleShot(300, [box] { press(box, Qt::Key_Escape); });
                    print("  and Esc 0.3 s into saving the next key",
                          untilAnswering([&] { button(*window, "saveButton")->click(); }));
                    continue;
                }
                print(label, shown);
                print("  a key typed into its start", typed);
                print("  and back to a small record",
                      untilAnswering([&] { button(*window, "previousButton")->click(); }));
            }

    BenchEnv env(catalogue(folder, "small", "explain", "small"));
    env.dialogs.questions = Answer::No;  // pasted texts are let go, not saved
    std::unique_ptr<MainWindow> window = startWindow(env.env);
    for (const Kind& kind : kKinds)
        for (long long size : {1000000LL, 10000000LL}) {
            const std::string label = "paste " + sizeLabel(size) + " into " + kind.label;
            if (!wanted(label)) continue;
            untilAnswering([&] { button(*window, "firstButton")->click(); });
            QGuiApplication::clipboard()->setText(
                QString::fromStdString(bigText(size, kind.lines)));
            QWidget* box = window->findChild<QWidget*>(QLatin1String(kind.box));
            press(box, Qt::Key_Home);
            print(label, untilAnswering([&] { press(box, Qt::Key_V, Qt::ControlModifier); }));
        }
    window.reset();
    return 0;
}
