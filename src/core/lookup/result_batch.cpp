#include "core/lookup/result_batch.h"

#include "core/store/search_parts.h"

namespace tolvane {

void ResultBatch::add(const FoundRow& row) {
    names_.append(row.name);
    ends_.push_back(static_cast<quint32>(names_.size()));
    ids_.push_back(*row.id);
    rowids_.push_back(row.rowid);
}

void ResultBatch::squeeze() {
    names_.squeeze();
    ends_.squeeze();
    ids_.squeeze();
    rowids_.squeeze();
}

QByteArrayView ResultBatch::nameBytes(int row) const {
    const quint32 begin = row == 0 ? 0 : ends_[row - 1];
    return QByteArrayView(names_.constData() + begin, ends_[row] - begin);
}

QString ResultBatch::name(int row) const { return QString::fromUtf8(nameBytes(row)); }

}  // namespace tolvane
