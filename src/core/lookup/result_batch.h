#pragma once

#include "core/store/search_parts.h"

#include <QByteArrayView>
#include <QMetaType>
#include <QString>

#include <memory>
#include <string>
#include <vector>

namespace tolvane {

// Rows a search lists, handed over together: each row's name (UTF-8, packed
// end to end), its ID and its row identity, in the order found. Copies share
// the rows: a batch is filled by one owner, then only read.
class ResultBatch {
public:
    ResultBatch() : rows_(std::make_shared<Rows>()) {}
    // A batch with room for about `rows` rows.
    explicit ResultBatch(int rows);

    void add(const FoundRow& row) {
        Rows& r = *rows_;
        r.names.append(row.name.data(), static_cast<std::size_t>(row.name.size()));
        r.ends.push_back(static_cast<quint32>(r.names.size()));
        r.ids.push_back(*row.id);
        r.rowids.push_back(row.rowid);
    }
    // Gives back the room kept for rows to come.
    void squeeze();

    int size() const { return static_cast<int>(rows_->ids.size()); }
    bool empty() const { return rows_->ids.empty(); }

    QByteArrayView nameBytes(int row) const {
        const auto r = static_cast<std::size_t>(row);
        const quint32 begin = r == 0 ? 0 : rows_->ends[r - 1];
        return {rows_->names.data() + begin, qsizetype(rows_->ends[r] - begin)};
    }
    QString name(int row) const { return QString::fromUtf8(nameBytes(row)); }
    qint64 id(int row) const { return rows_->ids[static_cast<std::size_t>(row)]; }
    qint64 rowid(int row) const { return rows_->rowids[static_cast<std::size_t>(row)]; }
    // All names' bytes together.
    std::size_t nameBytesTotal() const { return rows_->names.size(); }

private:
    struct Rows {
        std::string names;
        std::vector<quint32> ends;  // where each name ends in names
        std::vector<qint64> ids;
        std::vector<qint64> rowids;
    };
    std::shared_ptr<Rows> rows_;
};

}  // namespace tolvane

Q_DECLARE_METATYPE(tolvane::ResultBatch)
