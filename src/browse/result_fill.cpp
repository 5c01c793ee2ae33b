#include "browse/result_fill.h"

#include "browse/result_list.h"
#include "platform/engine.h"

namespace tolvane {

std::optional<qint64> wholeNumber(const QVariant& id) {
    switch (id.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int: return id.toLongLong();
    case QMetaType::Double: {
        // Only a real that names a 64-bit integer exactly.
        const double d = id.toDouble();
        if (d >= -9223372036854775808.0 && d < 9223372036854775808.0 && d == static_cast<double>(static_cast<qint64>(d)))
            return static_cast<qint64>(d);
        return std::nullopt;
    }
    case QMetaType::QString: {
        // A key column of text affinity stores whole numbers as text; only
        // the canonical spelling finds the row again by "ID = n".
        const QString text = id.toString();
        bool ok = false;
        const qint64 n = text.toLongLong(&ok);
        if (ok && QString::number(n) == text) return n;
        return std::nullopt;
    }
    default: return std::nullopt;
    }
}

ResultFill::ResultFill(ResultListModel& list, std::chrono::nanoseconds slice, std::function<FillStep()> yield)
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
