#include "gui/result_fill.h"

#include "core/lookup/search_walk.h"
#include "core/store/engine.h"
#include "gui/result_list.h"

namespace tolvane {

ResultFill::ResultFill(ResultListModel& list, std::chrono::nanoseconds slice,
                       std::function<FillStep()> yield)
    : list_(list), slice_(slice), yield_(std::move(yield)) {
    sinceTurn_.start();
}

FillEnd ResultFill::add(Recordset& rows) {
    const QString nameColumn = QStringLiteral("name");
    const QString idColumn = QStringLiteral("ID");
    while (!rows.eof()) {
        if (const auto id = wholeNumber(rows.field(idColumn))) {
            const QVariant name = rows.field(nameColumn);
            list_.stage(name.isNull() ? QByteArray() : name.toString().toUtf8(), *id);
        } else {
            ++skipped_;
        }
        rows.moveNext();
        if (const auto end = turn()) return *end;
    }
    if (const auto end = turn()) return *end;
    return FillEnd::Finished;
}

void ResultFill::finish() { list_.publish(); }

std::optional<FillEnd> ResultFill::turn() {
    if (sinceTurn_.nsecsElapsed() < slice_.count()) return std::nullopt;
    if (list_.staged() >= list_.count()) list_.publish();
    switch (yield_()) {
    case FillStep::GoOn: break;
    case FillStep::Stop: list_.publish(); return FillEnd::Stopped;
    case FillStep::Abandon: return FillEnd::Abandoned;
    }
    sinceTurn_.restart();
    return std::nullopt;
}

}  // namespace tolvane
