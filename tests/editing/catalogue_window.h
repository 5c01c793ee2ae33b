#pragma once

// A main window on fakes over a scratch copy of the starter catalogue.

#include "editing_window.h"

#include "support/catalogues.h"

#include <QStringList>

namespace tolvane::test {

struct CatalogueWindow : EditingWindow {
    CatalogueWindow();

    // Every row with every column, in ID order, Null shown as "<Null>".
    QStringList table() const;
    QStringList row(qlonglong id) const;
    QVariant stored(qlonglong id, const QString& column) const;
    qlonglong idOf(const QString& name) const;

    CatalogueDir dir;
    QString path;
};

}  // namespace tolvane::test
