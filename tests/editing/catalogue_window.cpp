#include "catalogue_window.h"

#include "browse/add_items.h"
#include "catalogue/vocabulary.h"
#include "platform/engine.h"
#include "platform/sqlite_engine.h"

#include <QComboBox>

namespace tolvane::test {

namespace {
const QStringList kColumns = {"ID", "name", "class", "libsclass", "win95", "winnt", "explain",
                              "declare", "CSharp", "parameter", "recode", "returned",
                              "othername", "other"};

QStringList rowsOf(Database& db, const QString& sql) {
    QStringList rows;
    auto rs = db.openRecordset(sql);
    for (; !rs->eof(); rs->moveNext()) {
        QStringList values;
        for (const QString& column : kColumns) {
            const QVariant v = rs->field(column);
            values << (v.isValid() ? v.toString() : QStringLiteral("<Null>"));
        }
        rows << values.join(QLatin1Char('|'));
    }
    rs->close();
    return rows;
}
}  // namespace

CatalogueWindow::CatalogueWindow()
    : path(dir.make(QStringLiteral("winapi.mdb"), dataFile(QStringLiteral("starter.sql")))) {
    form.Db = SqliteEngine().openDatabase(path);
    AddItems(kCategoryList, form.CoOut, QStringLiteral("~"), kAllCategoriesPosition);
}

QStringList CatalogueWindow::table() const {
    return rowsOf(*form.Db, QStringLiteral("select * from winfun order by ID"));
}

QStringList CatalogueWindow::row(qlonglong id) const {
    return rowsOf(*form.Db, QStringLiteral("select * from winfun where ID =%1").arg(id));
}

QVariant CatalogueWindow::stored(qlonglong id, const QString& column) const {
    auto rs = form.Db->openRecordset(QStringLiteral("select * from winfun where ID =%1").arg(id));
    return rs->eof() ? QVariant() : rs->field(column);
}

qlonglong CatalogueWindow::idOf(const QString& name) const {
    auto rs = form.Db->openRecordset(QStringLiteral("select ID from winfun where name ='%1'").arg(name));
    return rs->eof() ? -1 : rs->field(QStringLiteral("ID")).toLongLong();
}

}  // namespace tolvane::test
