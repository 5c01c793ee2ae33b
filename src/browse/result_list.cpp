#include "browse/result_list.h"

namespace tolvane {

int ResultListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count()) return {};
    if (role == Qt::DisplayRole) return text(index.row());
    if (role == Qt::UserRole) return itemData(index.row());
    return {};
}

QString ResultListModel::text(int row) const {
    const auto r = static_cast<std::size_t>(row);
    const std::uint32_t begin = r == 0 ? 0 : ends_[r - 1];
    return QString::fromUtf8(names_.constData() + begin, ends_[r] - begin);
}

void ResultListModel::clear() {
    beginResetModel();
    names_.clear();
    names_.squeeze();
    ends_ = {};
    ids_ = {};
    endResetModel();
}

void ResultListModel::append(const std::vector<Entry>& entries) {
    if (entries.empty()) return;
    const int first = count();
    beginInsertRows({}, first, first + static_cast<int>(entries.size()) - 1);
    for (const Entry& e : entries) {
        names_.append(e.nameUtf8);
        ends_.push_back(static_cast<std::uint32_t>(names_.size()));
        ids_.push_back(e.itemData);
    }
    endInsertRows();
}

void ResultListModel::append(const QString& name, std::int32_t itemData) {
    append({Entry{name.toUtf8(), itemData}});
}

}  // namespace tolvane
