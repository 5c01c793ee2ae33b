#pragma once

// The window's system services for the benchmarks: one remembered
// catalogue, message boxes answered without a person, the real clipboard.

#include "core/system/dialogs.h"
#include "core/system/local_file_probe.h"
#include "core/system/settings.h"
#include "gui/main_window.h"
#include "gui/qt_clipboard.h"
#include "gui/qt_window_geometry.h"
#include "gui/window_env.h"

#include <memory>
#include <string>

namespace tolvane::bench {

// Answers every question with `questions` (Yes by default, so that saves go
// ahead) and every notice with OK.
class BenchDialogs : public Dialogs {
public:
    Answer messageBox(const QString&, Buttons buttons, Icon) override {
        return buttons == Buttons::Ok ? Answer::Ok : questions;
    }
    QString inputBox(const QString&) override { return {}; }
    void fileDialog(const FileDialogRequest&, std::string&) override {}

    Answer questions = Answer::Yes;
};

// Settings that remember one catalogue and the engine, as after a first start.
class RememberedCatalogue : public SettingsStore {
public:
    explicit RememberedCatalogue(const QString& path) : path_(path) {}
    QString read(const QString&, const QString& section, const QString&,
                 const QString& defaultValue) override;
    Status write(const QString&, const QString&, const QString&, const QString&) override {
        return {};
    }
    Status remove(const QString&, const QString&, const QString&) override { return {}; }

private:
    QString path_;
};

// The window's system services on one remembered catalogue.
struct BenchEnv {
    explicit BenchEnv(const std::string& path);
    BenchDialogs dialogs;
    QtClipboard clipboard;
    QtWindowGeometry geometry;
    LocalFileProbe files;
    RememberedCatalogue settings;
    WindowEnv env;
};

// The window on a catalogue as start-up leaves it, shown offscreen.
std::unique_ptr<MainWindow> startWindow(const WindowEnv& env);

}  // namespace tolvane::bench
