#pragma once

#include <QAbstractListModel>
#include <QByteArray>

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

namespace tolvane {

// The entries of the result list: each a visible name and an invisible
// 64-bit item data (the record's ID). Names are packed end to end as UTF-8
// in fixed-size blocks, and nothing is ever moved to grow, so a million
// entries take little more than their names and twelve bytes each.
//
// Entries are staged first and published in one go: views see published
// entries only and hear of each publication in one notification.
class ResultListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;
    ~ResultListModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Removes every entry, published or staged.
    void clear();
    void stage(QByteArrayView nameUtf8, std::int64_t itemData);
    void publish();
    // Stages and publishes one entry.
    void append(const QString& name, std::int64_t itemData);

    // Published entries.
    int count() const { return published_; }
    // Entries staged since the last publication.
    int staged() const { return static_cast<int>(ids_.size()) - published_; }
    QString text(int row) const;
    std::int64_t itemData(int row) const { return ids_[static_cast<std::size_t>(row)]; }

private:
    static constexpr std::size_t kBlockSize = std::size_t{1} << 20;

    std::vector<std::unique_ptr<char[]>> blocks_;
    std::size_t used_ = 0;            // bytes of all names so far
    std::deque<std::uint32_t> ends_;  // end of each name within the bytes
    std::deque<std::int64_t> ids_;
    int published_ = 0;
};

}  // namespace tolvane
