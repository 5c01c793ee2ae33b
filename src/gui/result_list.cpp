#include "gui/result_list.h"

#include <algorithm>
#include <cstring>

namespace tolvane {

ResultListModel::~ResultListModel() = default;

int ResultListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count()) return {};
    // The tip shows a name too long for the list's width in full.
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return text(index.row());
    if (role == Qt::UserRole) return qlonglong{itemData(index.row())};
    return {};
}

// A name may run over the end of one block into the next.
QString ResultListModel::text(int row) const {
    const auto r = static_cast<std::size_t>(row);
    const std::size_t begin = r == 0 ? 0 : ends_[r - 1];
    const std::size_t end = ends_[r];
    const std::size_t block = begin / kBlockSize;
    const std::size_t offset = begin % kBlockSize;
    if (offset + (end - begin) <= kBlockSize)
        return QString::fromUtf8(blocks_[block].get() + offset,
                                 static_cast<qsizetype>(end - begin));
    QByteArray bytes(blocks_[block].get() + offset, static_cast<qsizetype>(kBlockSize - offset));
    for (std::size_t at = (block + 1) * kBlockSize; at < end; at += kBlockSize)
        bytes.append(blocks_[at / kBlockSize].get(),
                     static_cast<qsizetype>(std::min(kBlockSize, end - at)));
    return QString::fromUtf8(bytes);
}

void ResultListModel::stage(QByteArrayView nameUtf8, std::int64_t itemData) {
    const char* from = nameUtf8.data();
    std::size_t left = static_cast<std::size_t>(nameUtf8.size());
    while (left > 0) {
        if (used_ == blocks_.size() * kBlockSize)
            blocks_.push_back(std::make_unique_for_overwrite<char[]>(kBlockSize));
        const std::size_t offset = used_ % kBlockSize;
        const std::size_t n = std::min(left, kBlockSize - offset);
        std::memcpy(blocks_.back().get() + offset, from, n);
        used_ += n;
        from += n;
        left -= n;
    }
    ends_.push_back(static_cast<std::uint32_t>(used_));
    ids_.push_back(itemData);
}

void ResultListModel::publish() {
    if (staged() == 0) return;
    beginInsertRows({}, published_, static_cast<int>(ids_.size()) - 1);
    published_ = static_cast<int>(ids_.size());
    endInsertRows();
}

void ResultListModel::clear() {
    beginResetModel();
    blocks_.clear();
    used_ = 0;
    ends_ = {};
    ids_ = {};
    published_ = 0;
    endResetModel();
}

void ResultListModel::append(const QString& name, std::int64_t itemData) {
    stage(name.toUtf8(), itemData);
    publish();
}

}  // namespace tolvane
