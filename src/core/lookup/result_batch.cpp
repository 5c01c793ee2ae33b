#include "core/lookup/result_batch.h"

namespace tolvane {

ResultBatch::ResultBatch(int rows) : ResultBatch() {
    const auto n = static_cast<std::size_t>(rows);
    rows_->names.reserve(n * 16);  // names are a dozen or two bytes long
    rows_->ends.reserve(n);
    rows_->ids.reserve(n);
    rows_->rowids.reserve(n);
}

void ResultBatch::squeeze() {
    rows_->names.shrink_to_fit();
    rows_->ends.shrink_to_fit();
    rows_->ids.shrink_to_fit();
    rows_->rowids.shrink_to_fit();
}

}  // namespace tolvane
