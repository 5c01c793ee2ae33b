// Counts the statements a process prepares: loaded with LD_PRELOAD, it sits
// in front of SQLite's prepare functions and prints the count when the
// process ends, on standard error or into the file PREPARE_LOG names (with
// each statement's start when PREPARE_TEXT is set).
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

struct sqlite3;
struct sqlite3_stmt;

namespace {

int prepared = 0;

std::FILE* log() {
    static std::FILE* file = [] {
        const char* path = std::getenv("PREPARE_LOG");
        std::FILE* f = path ? std::fopen(path, "a") : nullptr;
        return f ? f : stderr;
    }();
    return file;
}

void note(const char* sql, int bytes) {
    ++prepared;
    if (std::getenv("PREPARE_TEXT"))
        std::fprintf(log(), "prepare: %.*s\n", bytes < 0 || bytes > 200 ? 200 : bytes, sql);
}

__attribute__((destructor)) void report() {
    std::fprintf(log(), "prepared %d\n", prepared);
    std::fflush(log());
}

using Prepare = int (*)(sqlite3*, const char*, int, sqlite3_stmt**, const char**);

int forward(const char* name, sqlite3* db, const char* sql, int bytes, sqlite3_stmt** statement,
            const char** tail) {
    note(sql, bytes);
    const auto real = reinterpret_cast<Prepare>(dlsym(RTLD_NEXT, name));
    return real(db, sql, bytes, statement, tail);
}

}  // namespace

extern "C" int sqlite3_prepare_v2(sqlite3* db, const char* sql, int bytes, sqlite3_stmt** statement,
                                  const char** tail) {
    return forward("sqlite3_prepare_v2", db, sql, bytes, statement, tail);
}

extern "C" int sqlite3_prepare(sqlite3* db, const char* sql, int bytes, sqlite3_stmt** statement,
                               const char** tail) {
    return forward("sqlite3_prepare", db, sql, bytes, statement, tail);
}
