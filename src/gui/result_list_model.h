#pragma once

#include "core/lookup/result_batch.h"

#include <QAbstractListModel>

#include <vector>

namespace tolvane {

// The entries of the result list: each a visible name, and invisible the
// record's ID and row identity. The batches a search delivers are kept as
// they came, so a million entries take little more than their names and
// twenty bytes each.
//
// Entries are staged first and published in one go: views see published
// entries only and hear of each publication in one notification.
class ResultListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Removes every entry, published or staged.
    void clear();
    void stage(const ResultBatch& batch);
    void publish();

    // Published entries.
    int count() const { return published_; }
    // Entries staged since the last publication.
    int staged() const { return total_ - published_; }
    QString text(int row) const;
    qint64 itemData(int row) const;
    qint64 rowid(int row) const;

private:
    // The batch holding a row, and the row's place in it.
    std::pair<const ResultBatch*, int> locate(int row) const;

    std::vector<ResultBatch> batches_;
    std::vector<int> starts_;  // the first row of each batch
    int total_ = 0;
    int published_ = 0;
};

}  // namespace tolvane
