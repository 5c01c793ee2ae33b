#pragma once

// A main window loaded on a private copy of the starter catalogue, with
// every dialog scripted and the settings in memory.

#include "browse/form1.h"
#include "platform/env.h"
#include "platform/local_file_probe.h"
#include "platform/sqlite_engine.h"
#include "support/fakes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace tolvane::test {

class FormTest : public ::testing::Test {
protected:
    FormTest();
    ~FormTest() override;

    // Creates the window and runs its start-up on the catalogue copy.
    Form1& load();
    // The catalogue copy's path, for checking what a change wrote.
    QString cataloguePath() const;
    // Runs one SQL statement on the catalogue copy through a second
    // connection; for arranging data and checking writes.
    void sql(const QString& statement);
    // The column "v" of the first row of a query, through a second
    // connection (Null, or no row: an invalid QVariant).
    QVariant value(const QString& query);

    SqliteEngineFactory engines;
    MemorySettings settings;
    LocalFileProbe files;
    FakeProcesses processes;
    ScriptedDialogs dialogs;
    FakeClipboard clipboard;
    FakeMachine machine;
    Env env;
    std::unique_ptr<Form1> form;

private:
    QTemporaryDir programDir_;
};

}  // namespace tolvane::test
