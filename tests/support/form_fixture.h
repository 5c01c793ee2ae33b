#pragma once

// A main window loaded on a private copy of the starter catalogue, with
// every dialog scripted and the settings in memory.

#include "browse/form1.h"
#include "support/fakes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace tolvane::test {

class FormTest : public ::testing::Test, protected FakeEnv {
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

    std::unique_ptr<Form1> form;

private:
    QTemporaryDir programDir_;
};

}  // namespace tolvane::test
