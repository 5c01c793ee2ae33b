#pragma once

// A main window loaded on a private copy of the starter catalogue, with
// every dialog scripted and the settings in memory.

#include "gui/main_window.h"
#include "support/fakes.h"
#include "support/window_user.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include <memory>

namespace tolvane::test {

class WindowTest : public ::testing::Test, protected FakeEnv {
protected:
    WindowTest();
    ~WindowTest() override;

    // Creates the window and runs its start-up on the catalogue copy; the
    // user's view of it (with the search delay made instant unless
    // `realDelay`).
    WindowUser& load(bool realDelay = false);
    // The catalogue copy's path, for checking what a change wrote.
    QString cataloguePath() const;
    // Runs SQL on the catalogue copy through a connection of the test's
    // own; for arranging data and checking writes.
    void sql(const QString& statement);
    // The first column of the first row of a query (Null, or no row: an
    // invalid QVariant).
    QVariant value(const QString& query);

    std::unique_ptr<MainWindow> form;
    std::unique_ptr<WindowUser> user;

private:
    QTemporaryDir programDir_;
};

}  // namespace tolvane::test
