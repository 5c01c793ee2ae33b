// mkcatalogue OUT.mdb FILE.sql...
// Builds a catalogue file by running the SQL files in order inside one
// transaction. The file is written under a temporary name and renamed at the
// end, so a failed build never leaves a half-written catalogue behind.
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

bool readFile(const char* path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    out = s.str();
    return true;
}

bool run(sqlite3* db, const std::string& sql, const char* what) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) == SQLITE_OK) return true;
    std::cerr << "mkcatalogue: " << what << ": " << (message ? message : "error") << '\n';
    sqlite3_free(message);
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: mkcatalogue OUT.mdb FILE.sql...\n";
        return 2;
    }
    const std::filesystem::path out = argv[1];
    const std::filesystem::path tmp = out.string() + ".tmp";
    std::error_code ec;
    std::filesystem::remove(tmp, ec);

    sqlite3* db = nullptr;
    if (sqlite3_open(tmp.c_str(), &db) != SQLITE_OK) {
        std::cerr << "mkcatalogue: cannot create " << tmp << '\n';
        sqlite3_close(db);
        return 1;
    }
    bool ok = run(db, "BEGIN", "begin");
    for (int i = 2; ok && i < argc; ++i) {
        std::string sql;
        if (!readFile(argv[i], sql)) {
            std::cerr << "mkcatalogue: cannot read " << argv[i] << '\n';
            ok = false;
        } else {
            ok = run(db, sql, argv[i]);
        }
    }
    ok = ok && run(db, "COMMIT", "commit");
    sqlite3_close(db);
    if (ok) std::filesystem::rename(tmp, out, ec);
    if (!ok || ec) {
        std::filesystem::remove(tmp, ec);
        return 1;
    }
    return 0;
}
