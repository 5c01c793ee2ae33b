// The record view: one record in the detail controls, the result-list click
// and the walk through the whole catalogue.
#include "gui/record_view.h"

#include "core/lookup/search_query.h"
#include "core/store/engine.h"
#include "core/store/error.h"
#include "core/store/vocabulary.h"
#include "core/system/dialogs.h"
#include "gui/result_list.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QListView>

#include <algorithm>
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

// The entry's name and position in the status line; a name too long for
// the line is cut short with "…", never the position. The tip holds it all.
void showPosition(QLabel& line, const QString& name, qsizetype row, qsizetype count) {
    const QString full = positionText(name, row, count);
    const QString position = full.mid(name.size());
    const QFontMetrics metrics = line.fontMetrics();
    const int room = line.contentsRect().width() - metrics.horizontalAdvance(position);
    line.setText(metrics.elidedText(name, Qt::ElideRight, std::max(room, 0)) + position);
    line.setToolTip(full);
}

}  // namespace

RecordView::RecordView(const std::shared_ptr<Database>& catalogue, Dialogs& dialogs,
                       Controls controls)
    : catalogue_(catalogue), dialogs_(dialogs), controls_(controls) {}

void RecordView::showRecord(const QString& id) {
    bool isNumber = false;
    const qlonglong number = id.toLongLong(&isNumber);
    const std::shared_ptr<Database> db = catalogue_;
    if (!isNumber || !db) return;
    std::unique_ptr<Recordset> row;
    try {
        row = db->openRecordset(recordQuery(number));
        if (row->eof()) return;
    } catch (const Error&) {
        return;
    }
    for (DetailBox* box : controls_.detailBoxes) {
        const auto value = readField(*row, box->tag());
        box->setText(value && !value->isNull() ? value->toString() : QString());
    }
    showYes(controls_.win95Check, *row);
    showYes(controls_.winntCheck, *row);
    if (const auto value = readField(*row, QStringLiteral("class")))
        if (const auto position = categoryPosition(*value))
            controls_.categoryBox->setCurrentIndex(*position);
}

void RecordView::resultChosen() {
    const ResultListModel& list = *controls_.resultModel;
    const int row = controls_.resultList->currentIndex().row();
    if (row < 0 || row >= list.count()) return;
    showRecord(QString::number(list.itemData(row)));
    showPosition(*controls_.statusLine, list.text(row), row, list.count());
}

void RecordView::selectResult(int row) {
    controls_.resultList->setCurrentIndex(controls_.resultModel->index(row));
    resultChosen();
}

// Every step runs even after a failed one; the last failure that no record shown
// since has cleared is told in an error box (moving past either end leaves
// no current record).
void RecordView::navigate(int button) {
    std::optional<Error> failure;
    const auto attempt = [&failure](auto&& step) {
        try {
            step();
        } catch (const Error& e) {
            failure = e;
        }
    };
    const NavigationPlan plan = navigationPlan(button, controls_.detailBoxes[kIdBox]->text());
    const std::shared_ptr<Database> db = catalogue_;
    std::unique_ptr<Recordset> rows;
    attempt([&] {
        if (!db) throw Error(err::EngineFailure);
        rows = db->openRecordset(plan.sql);
    });
    if (rows) {
        if (plan.findOnView)
            attempt([&] {
                rows->findFirst(QStringLiteral("ID=") + controls_.detailBoxes[kIdBox]->text());
            });
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
            showRecord(id);
            failure.reset();  // showing a record clears what failed before
        });
        attempt([&] { rows->close(); });
    }
    if (failure) dialogs_.messageBox(failure->description(), Buttons::Ok, Icon::Critical);
}

}  // namespace tolvane
