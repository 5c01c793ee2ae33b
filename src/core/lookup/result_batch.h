#pragma once

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QString>

namespace tolvane {

struct FoundRow;

// Rows a search lists, handed over together: each row's name (UTF-8, packed
// end to end), its ID and its row identity, in the order found. Copies share
// the rows until one of them changes.
class ResultBatch {
public:
    void add(const FoundRow& row);
    // Gives back the room kept for rows to come.
    void squeeze();
    int size() const { return static_cast<int>(ids_.size()); }
    bool empty() const { return ids_.empty(); }

    QString name(int row) const;
    QByteArrayView nameBytes(int row) const;
    qint64 id(int row) const { return ids_[row]; }
    qint64 rowid(int row) const { return rowids_[row]; }

private:
    QByteArray names_;
    QList<quint32> ends_;  // where each name ends in names_
    QList<qint64> ids_;
    QList<qint64> rowids_;
};

}  // namespace tolvane

Q_DECLARE_METATYPE(tolvane::ResultBatch)
