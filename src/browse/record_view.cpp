// The record view: one record in the detail controls, the result-list click
// and the walk through the whole catalogue.
#include "browse/detail_box.h"
#include "browse/form1.h"
#include "browse/result_list.h"
#include "browse/search_query.h"
#include "platform/dialogs.h"
#include "platform/engine.h"
#include "platform/error.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListView>

#include <optional>

namespace tolvane {

namespace {

// The value of a column of the current row; nothing when it cannot be read.
std::optional<QVariant> readField(const Recordset& row, const QString& column) {
    try {
        return row.field(column);
    } catch (const Error&) {
        return std::nullopt;
    }
}

// A check box ticks for the exact word "Yes"; it stays as it was when its
// column cannot be read.
void showYes(QCheckBox* box, const Recordset& row) {
    if (const auto value = readField(row, box->property("tag").toString()))
        box->setChecked(!value->isNull() && value->toString() == QLatin1String("Yes"));
}

}  // namespace

// Each control is filled on its own: a column that cannot be read leaves its
// box empty (a check box or the category as they were) and the rest still
// shows. An ID that is no number or names no record changes nothing.
void Form1::ShowRecord(const QString& id) {
    bool isNumber = false;
    const qlonglong number = id.toLongLong(&isNumber);
    const std::shared_ptr<Database> db = Db;
    if (!isNumber || !db) return;
    std::unique_ptr<Recordset> row;
    try {
        row = db->openRecordset(recordQuery(number));
        if (row->eof()) return;
    } catch (const Error&) {
        return;
    }
    for (DetailBox* box : TOut) {
        const auto value = readField(*row, box->tag());
        box->setText(value && !value->isNull() ? value->toString() : QString());
    }
    showYes(Ch95, *row);
    showYes(ChNT, *row);
    if (const auto value = readField(*row, QStringLiteral("class")))
        if (const auto position = categoryPosition(*value, CoOut->count())) CoOut->setCurrentIndex(*position);
}

void Form1::L_Click() {
    const int row = L->currentIndex().row();
    if (row < 0 || row >= LItems->count()) return;
    ShowRecord(QString::number(LItems->itemData(row)));
    St->setText(positionText(LItems->text(row), row, LItems->count()));
}

// Walks the catalogue in ascending ID, whatever the result list holds. Every
// step runs even after a failed one; the last failure that no record shown
// since has cleared is told in an error box (moving past either end leaves
// no current record).
void Form1::Goto_Click(int index) {
    std::optional<Error> failure;
    const auto attempt = [&failure](auto&& step) {
        try {
            step();
        } catch (const Error& e) {
            failure = e;
        }
    };
    const NavigationPlan plan = navigationPlan(index, TOut[7]->text());
    const std::shared_ptr<Database> db = Db;
    std::unique_ptr<Recordset> rows;
    attempt([&] {
        if (!db) throw Error(err::EngineFailure);
        rows = db->openRecordset(plan.sql);
    });
    if (rows) {
        if (plan.findOnView) attempt([&] { rows->findFirst(QStringLiteral("ID=") + TOut[7]->text()); });
        attempt([&] {
            switch (plan.move) {
            case NavigationPlan::Move::First: rows->moveFirst(); break;
            case NavigationPlan::Move::Previous: rows->movePrevious(); break;
            case NavigationPlan::Move::Next: rows->moveNext(); break;
            case NavigationPlan::Move::Last: rows->moveLast(); break;
            }
        });
        attempt([&] {
            const QString id = rows->field(QStringLiteral("ID")).toString();
            ShowRecord(id);
            failure.reset();  // showing a record clears what failed before
        });
        attempt([&] { rows->close(); });
    }
    if (failure) env_.dialogs->messageBox(failure->description(), Buttons::Ok, Icon::Critical);
}

}  // namespace tolvane
