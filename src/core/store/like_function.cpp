#include "core/store/like_function.h"

#include "core/lookup/jet_pattern.h"
#include "core/store/sqlite_status.h"

#include <sqlite3.h>

#include <memory>
#include <new>

namespace tolvane {
namespace {

std::string_view textOf(sqlite3_value* value) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return {text ? text : "", static_cast<std::size_t>(sqlite3_value_bytes(value))};
}

void deletePattern(void* pattern) { delete static_cast<JetPattern*>(pattern); }

// like(pattern, text): SQLite passes the right operand of LIKE first.
void jetLike(sqlite3_context* context, int, sqlite3_value** args) {
    if (sqlite3_value_type(args[0]) == SQLITE_NULL || sqlite3_value_type(args[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    auto& interrupt = *static_cast<MatchInterrupt*>(sqlite3_user_data(context));
    const auto answer = [&](const JetPattern& pattern) {
        const std::optional<bool> matched = pattern.matches(textOf(args[1]), interrupt);
        if (matched)
            sqlite3_result_int(context, *matched);
        else
            sqlite3_result_error_code(context, SQLITE_INTERRUPT);
    };
    try {
        // A constant pattern is compiled once per statement and kept with it.
        if (const auto* cached = static_cast<const JetPattern*>(sqlite3_get_auxdata(context, 0))) {
            answer(*cached);
            return;
        }
        std::optional<JetPattern> compiled = JetPattern::compile(textOf(args[0]));
        if (!compiled) {
            sqlite3_result_error(context, kInvalidPatternMessage, -1);
            return;
        }
        auto pattern = std::make_unique<JetPattern>(std::move(*compiled));
        answer(*pattern);
        // SQLite may drop the pattern at once, so it is handed over only after use.
        sqlite3_set_auxdata(context, 0, pattern.release(), deletePattern);
    } catch (const std::bad_alloc&) {
        sqlite3_result_error_nomem(context);
    }
}

}  // namespace

int installJetLike(sqlite3* db, MatchInterrupt& interrupt) {
    return sqlite3_create_function(db, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, &interrupt,
                                   jetLike, nullptr, nullptr);
}

}  // namespace tolvane
