#include "browse/result_fill.h"

#include "browse/result_list.h"
#include "platform/engine.h"

#include <QElapsedTimer>

namespace tolvane {

FillEnd fillResults(Recordset& rows, ResultListModel& list, std::chrono::nanoseconds slice,
                    const std::function<FillStep()>& yield) {
    const QString nameColumn = QStringLiteral("name");
    const QString idColumn = QStringLiteral("ID");
    QElapsedTimer sinceYield;
    sinceYield.start();
    while (!rows.eof()) {
        const QVariant name = rows.field(nameColumn);
        list.stage(name.isNull() ? QByteArray() : name.toString().toUtf8(),
                  static_cast<std::int32_t>(rows.field(idColumn).toLongLong()));
        rows.moveNext();
        if (sinceYield.nsecsElapsed() < slice.count()) continue;
        if (list.staged() >= list.count()) list.publish();
        switch (yield()) {
        case FillStep::GoOn: break;
        case FillStep::Stop: list.publish(); return FillEnd::Stopped;
        case FillStep::Abandon: return FillEnd::Abandoned;
        }
        sinceYield.restart();
    }
    list.publish();
    return FillEnd::Finished;
}

}  // namespace tolvane
