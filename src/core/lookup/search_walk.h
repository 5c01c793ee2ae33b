#pragma once

#include <QVariant>

#include <chrono>
#include <functional>
#include <optional>

namespace tolvane {

class Database;
class Recordset;
struct SearchStatement;

// An ID as the result list carries it: a 64-bit whole number, stored as an
// integer, an exact real or a text in canonical decimal spelling. Nothing for
// Null, blobs and any other text or real.
std::optional<qint64> wholeNumber(const QVariant& id);

enum class WalkEnd { Finished, Stopped };

// Reads the rows of a search in the store's ID order, part by part (see
// firstIdAfterQuery), then the rows whose ID is Null, which no part reaches.
// This is the order in which the result list shows a search. `rows` gets
// each part's rows in turn and reads as many as it likes; it returns false
// to end the walk there (Stopped). The first part holds a few hundred IDs;
// each next one is sized so that reading it, `rows` included, takes about
// `slice`, changing at most fourfold from one part to the next. Engine
// failures propagate as tolvane::Error.
WalkEnd walkSearch(Database& db, const SearchStatement& statement, std::chrono::nanoseconds slice,
                   const std::function<bool(Recordset&)>& rows);

}  // namespace tolvane
