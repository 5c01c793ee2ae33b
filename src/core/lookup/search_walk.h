#pragma once

#include "core/lookup/result_batch.h"
#include "core/store/status.h"

#include <chrono>
#include <functional>

namespace tolvane {

class CatalogueStore;
struct SearchRequest;

// How a search ended: Ok (read to its end, or ended by its receiver),
// Cancelled, InvalidPattern (nothing listed), or the engine's failure after
// the rows before it; and how many matching rows were left out because
// their ID is no whole number.
struct SearchEnd {
    Status status;
    qint64 skipped = 0;
};

// What a walk hands its rows to.
class RowSink {
public:
    // A row whose ID is a whole number (the name's bytes last until the next
    // row); false ends the walk.
    virtual bool row(const FoundRow& row) = 0;
    // After each part and once at the end; false ends the walk.
    virtual bool partRead() = 0;

protected:
    ~RowSink() = default;
};

// Reads a search's rows in the store's ID order (see SearchParts) and hands
// them to `sink`. Rows whose ID is no whole number are counted, not handed
// over. The first part holds a few hundred IDs, and each next one is sized
// to take about `slice`, changing at most fourfold from one part to the next.
SearchEnd walkRows(CatalogueStore& store, const SearchRequest& request,
                   std::chrono::nanoseconds slice, RowSink& sink);

// Reads a search's rows as walkRows does and hands them over in batches:
// `deliver` gets the rows gathered so far after each part and whenever
// `slice` has passed since it last did (the clock is read every few hundred
// rows; with a zero slice, after every row); a batch may be empty. It
// returns false to end the walk.
SearchEnd walkSearch(CatalogueStore& store, const SearchRequest& request,
                     std::chrono::nanoseconds slice,
                     const std::function<bool(ResultBatch&)>& deliver);

}  // namespace tolvane
