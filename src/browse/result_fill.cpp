#include "browse/result_fill.h"

#include "browse/result_list.h"
#include "platform/engine.h"

#include <QElapsedTimer>

#include <vector>

namespace tolvane {

FillEnd fillResults(Recordset& rows, ResultListModel& list, std::chrono::nanoseconds slice,
                    const std::function<bool()>& yield) {
    const QString nameColumn = QStringLiteral("name");
    const QString idColumn = QStringLiteral("ID");
    std::vector<ResultListModel::Entry> batch;
    QElapsedTimer sinceYield;
    sinceYield.start();
    while (!rows.eof()) {
        const QVariant name = rows.field(nameColumn);
        batch.push_back({name.isNull() ? QByteArray() : name.toString().toUtf8(),
                         static_cast<std::int32_t>(rows.field(idColumn).toLongLong())});
        rows.moveNext();
        if (sinceYield.nsecsElapsed() >= slice.count()) {
            list.append(batch);
            batch.clear();
            if (!yield()) return FillEnd::Stopped;
            sinceYield.restart();
        }
    }
    list.append(batch);
    return FillEnd::Finished;
}

}  // namespace tolvane
