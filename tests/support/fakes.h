#pragma once

// In-memory and scripted stand-ins for the platform services, for tests.

#include "core/store/sqlite_engine.h"
#include "core/system/dialogs.h"
#include "core/system/env.h"
#include "core/system/local_file_probe.h"
#include "core/system/machine.h"
#include "core/system/processes.h"
#include "core/system/settings.h"
#include "gui/clipboard.h"
#include "gui/qt_window_geometry.h"

#include <QMap>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace tolvane::test {

class MemorySettings : public SettingsStore {
public:
    QString read(const QString& app, const QString& section, const QString& key,
                 const QString& defaultValue) override {
        return entries.value(app + '/' + section + '/' + key, defaultValue);
    }
    void write(const QString& app, const QString& section, const QString& key,
               const QString& value) override {
        entries.insert(app + '/' + section + '/' + key, value);
    }
    void remove(const QString& app, const QString& section, const QString& key) override {
        entries.remove(app + '/' + section + '/' + key);
    }

    QMap<QString, QString> entries;  // "app/section/key" -> value
};

// Message, input and file boxes answered from scripts. A Yes/No/Cancel box,
// an input box or a file dialog without a scripted answer fails the test.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        QString text;
        Buttons buttons;
        Icon icon;
    };
    using FileAnswer = std::function<void(const FileDialogRequest&, std::string&)>;

    Answer messageBox(const QString& text, Buttons buttons, Icon icon) override;
    QString inputBox(const QString& prompt) override;
    void fileDialog(const FileDialogRequest& request, std::string& buffer) override;

    std::deque<Answer> answers;
    std::deque<QString> inputs;
    std::deque<FileAnswer> fileAnswers;

    std::vector<Shown> shown;
    QStringList prompts;
    std::vector<FileDialogRequest> fileRequests;

    QStringList texts() const;  // of the message boxes shown so far

    // File answers: confirm one path (modes 0 and 2), or cancel.
    static FileAnswer choose(const QString& path);
    static FileAnswer cancel();
};

// Thrown by FakeProcesses::endProgram so that a test sees the program end.
struct ProgramEnded {};

class FakeProcesses : public Processes {
public:
    void startHidden(const QString& commandLine) override;
    void sleep(int milliseconds) override { sleeps.push_back(milliseconds); }
    [[noreturn]] void endProgram() override { throw ProgramEnded{}; }

    bool canStart = false;  // like this machine: there is no regsvr32
    QStringList started;    // every command line asked for
    std::vector<int> sleeps;
};

class FakeClipboard : public Clipboard {
public:
    void clear() override;
    void setText(const QString& text) override;

    bool failing = false;
    std::optional<QString> text;  // nothing after clear()
    int clears = 0;
};

class FakeMachine : public MachineInfo {
public:
    std::optional<QString> computerName() override { return name; }
    std::optional<QString> name = QStringLiteral("testhost");
};

// The fakes wired into one Env, with the real engine and file probe (tests
// that use them work on scratch files); fixtures derive from it.
struct FakeEnv {
    FakeEnv() {
        env.engines = &engines;
        env.files = &files;
        env.settings = &settings;
        env.processes = &processes;
        env.dialogs = &dialogs;
        env.clipboard = &clipboard;
        env.geometry = &geometry;
        env.machine = &machine;
        env.programName = QStringLiteral("tolvane");
    }
    FakeEnv(const FakeEnv&) = delete;
    FakeEnv& operator=(const FakeEnv&) = delete;

    SqliteEngineFactory engines;
    LocalFileProbe files;
    MemorySettings settings;
    FakeProcesses processes;
    ScriptedDialogs dialogs;
    FakeClipboard clipboard;
    QtWindowGeometry geometry;  // the offscreen platform places windows as asked
    FakeMachine machine;
    Env env;
};

}  // namespace tolvane::test
