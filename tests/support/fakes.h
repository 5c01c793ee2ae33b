#pragma once

// In-memory and scripted stand-ins for the system services, for tests.

#include "core/system/dialogs.h"
#include "core/system/local_file_probe.h"
#include "core/system/machine.h"
#include "core/system/processes.h"
#include "core/system/settings.h"
#include "gui/clipboard.h"
#include "gui/qt_window_geometry.h"
#include "gui/window_env.h"

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
    Status write(const QString& app, const QString& section, const QString& key,
                 const QString& value) override {
        entries.insert(app + '/' + section + '/' + key, value);
        return {};
    }
    Status remove(const QString& app, const QString& section, const QString& key) override {
        entries.remove(app + '/' + section + '/' + key);
        return {};
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
    [[noreturn]] void endProgram() override { throw ProgramEnded{}; }
};

class FakeClipboard : public Clipboard {
public:
    Status clear() override;
    Status setText(const QString& text) override;

    bool failing = false;
    std::optional<QString> text;  // nothing after clear()
    int clears = 0;
};

class FakeMachine : public MachineInfo {
public:
    std::optional<QString> computerName() override { return name; }
    std::optional<QString> name = QStringLiteral("testhost");
};

// The fakes wired into one WindowEnv, with the real file probe (tests that
// use it work on scratch files); fixtures derive from it.
struct FakeEnv {
    FakeEnv() {
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

    LocalFileProbe files;
    MemorySettings settings;
    FakeProcesses processes;
    ScriptedDialogs dialogs;
    FakeClipboard clipboard;
    QtWindowGeometry geometry;  // the offscreen platform places windows as asked
    FakeMachine machine;
    WindowEnv env;
};

}  // namespace tolvane::test
