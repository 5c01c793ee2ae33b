#include "gui/result_list_model.h"

#include <algorithm>

namespace tolvane {

int ResultListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count()) return {};
    // The tip shows a name too long for the list's width in full.
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return text(index.row());
    if (role == Qt::UserRole) return itemData(index.row());
    return {};
}

std::pair<const ResultBatch*, int> ResultListModel::locate(int row) const {
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), row);
    const auto batch = static_cast<std::size_t>(after - starts_.begin() - 1);
    return {&batches_[batch], row - starts_[batch]};
}

QString ResultListModel::text(int row) const {
    const auto [batch, at] = locate(row);
    return batch->name(at);
}

qint64 ResultListModel::itemData(int row) const {
    const auto [batch, at] = locate(row);
    return batch->id(at);
}

qint64 ResultListModel::rowid(int row) const {
    const auto [batch, at] = locate(row);
    return batch->rowid(at);
}

void ResultListModel::stage(const ResultBatch& batch) {
    if (batch.empty()) return;
    starts_.push_back(total_);
    batches_.push_back(batch);
    total_ += batch.size();
}

void ResultListModel::publish() {
    if (staged() == 0) return;
    beginInsertRows({}, published_, total_ - 1);
    published_ = total_;
    endInsertRows();
}

void ResultListModel::clear() {
    beginResetModel();
    batches_.clear();
    starts_.clear();
    total_ = 0;
    published_ = 0;
    endResetModel();
}

}  // namespace tolvane
