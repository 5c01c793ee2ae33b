#include "core/lookup/search_walk.h"

#include "core/lookup/search_query.h"
#include "core/store/engine.h"

#include <QElapsedTimer>

#include <algorithm>
#include <memory>

namespace tolvane {

namespace {

// Rows per part at first: the list shows something at once.
constexpr qlonglong kFirstPart = 256;
constexpr qlonglong kMinPart = 64;
constexpr qlonglong kMaxPart = qlonglong{1} << 20;

qlonglong nextPart(qlonglong rows, qint64 tookNs, std::chrono::nanoseconds slice) {
    const double wanted = static_cast<double>(rows) * static_cast<double>(slice.count()) /
                          static_cast<double>(std::max<qint64>(tookNs, 1));
    return std::clamp(static_cast<qlonglong>(std::min(wanted, static_cast<double>(kMaxPart))),
                      std::max(kMinPart, rows / 4), std::min(kMaxPart, rows * 4));
}

// Column v of a query's one row; nothing when there is no row.
std::optional<QVariant> valueOf(Database& db, const QString& sql) {
    const std::unique_ptr<Recordset> row = db.openRecordset(sql);
    if (row->eof()) return std::nullopt;
    return row->field(QStringLiteral("v"));
}

}  // namespace

std::optional<qint64> wholeNumber(const QVariant& id) {
    switch (id.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int: return id.toLongLong();
    case QMetaType::Double: {
        // Only a real that names a 64-bit integer exactly.
        const double d = id.toDouble();
        if (d >= -9223372036854775808.0 && d < 9223372036854775808.0 &&
            d == static_cast<double>(static_cast<qint64>(d)))
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

// Every part starts after the last ID of the one before, so the walk ends
// whatever the IDs hold.
WalkEnd walkSearch(Database& db, const SearchStatement& statement, std::chrono::nanoseconds slice,
                   const std::function<bool(Recordset&)>& rows) {
    qlonglong size = kFirstPart;
    for (auto first = valueOf(db, firstIdAfterQuery(std::nullopt)); first;) {
        QElapsedTimer took;
        took.start();
        const std::optional<QVariant> last = valueOf(db, partEndQuery(*first, size));
        const std::unique_ptr<Recordset> part = db.openRecordset(statement.idPart(*first, last));
        if (!rows(*part)) return WalkEnd::Stopped;
        if (!last) break;
        size = nextPart(size, took.nsecsElapsed(), slice);
        first = valueOf(db, firstIdAfterQuery(last));
    }
    return rows(*db.openRecordset(statement.nullIdPart())) ? WalkEnd::Finished : WalkEnd::Stopped;
}

}  // namespace tolvane
