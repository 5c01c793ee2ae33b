#pragma once

#include <QAbstractListModel>
#include <QByteArray>

#include <cstdint>
#include <vector>

namespace tolvane {

// The entries of the result list: each a visible name and an invisible
// 32-bit item data (the record's ID). Names are kept as one UTF-8 block with
// offsets, so a million entries cost little more than the names themselves.
class ResultListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void clear();
    // Appends entries; views hear of them in one notification per call.
    struct Entry {
        QByteArray nameUtf8;
        std::int32_t itemData;
    };
    void append(const std::vector<Entry>& entries);
    void append(const QString& name, std::int32_t itemData);

    int count() const { return static_cast<int>(ids_.size()); }
    QString text(int row) const;
    std::int32_t itemData(int row) const { return ids_[static_cast<std::size_t>(row)]; }

private:
    QByteArray names_;
    std::vector<std::uint32_t> ends_;  // end offset of each name in names_
    std::vector<std::int32_t> ids_;
};

}  // namespace tolvane
