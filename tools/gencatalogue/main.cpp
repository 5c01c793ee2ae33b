// gencatalogue --include DIR --libs DIR [--libs32 DIR] --resource-dir DIR --out FILE.sql
// Generates the default catalogue from the mingw-w64 headers and import
// libraries and prints counts per class, category and DLL.
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <iomanip>
#include <iostream>
#include <map>
#include <set>
#include <sstream>

#include "availability.h"
#include "catalogue.h"
#include "clang_reader.h"
#include "dll_choice.h"
#include "export_index.h"
#include "fact_table.h"
#include "header_coverage.h"
#include "sql_writer.h"

namespace fs = std::filesystem;
using namespace tolvane::gen;

namespace {

struct Options {
    std::string include, libs, libs32, resourceDir, out, layouts, exceptions, handRecords;
};

bool parseOptions(int argc, char** argv, Options& o) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string key = argv[i];
        if (key == "--include")
            o.include = argv[i + 1];
        else if (key == "--libs")
            o.libs = argv[i + 1];
        else if (key == "--libs32")
            o.libs32 = argv[i + 1];
        else if (key == "--resource-dir")
            o.resourceDir = argv[i + 1];
        else if (key == "--out")
            o.out = argv[i + 1];
        else if (key == "--layouts")
            o.layouts = argv[i + 1];
        else if (key == "--exceptions")
            o.exceptions = argv[i + 1];
        else if (key == "--hand-records")
            o.handRecords = argv[i + 1];
        else
            return false;
    }
    return !o.include.empty() && !o.libs.empty() && !o.resourceDir.empty() && !o.out.empty();
}

// The names the headers declare at each older version, parsed two at a time.
Availability declaredByLevel(ParseSettings settings) {
    std::map<int, std::future<std::set<std::string>>> parses;
    std::map<int, std::set<std::string>> names;
    for (int level : parsedLevels()) {
        std::ostringstream version;
        version << "0x" << std::hex << std::uppercase << std::setw(4) << std::setfill('0') << level;
        settings.version = version.str();
        parses[level] = std::async(std::launch::async, declaredNames, settings);
        if (parses.size() == 2) {
            for (auto& [l, parse] : parses) names[l] = parse.get();
            parses.clear();
        }
    }
    for (auto& [l, parse] : parses) names[l] = parse.get();
    Availability a;
    a.win95 = std::move(names[kWin95Level]);
    a.winnt = std::move(names[kWinNtLevel]);
    names.erase(kWin95Level);
    names.erase(kWinNtLevel);
    a.more = std::move(names);
    return a;
}

double seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Writes through a temporary file, so that a failed run leaves no half file.
template <typename Write>
void writeAtomically(const std::string& path, Write write) {
    const std::string tmp = path + ".tmp";
    {
        std::ofstream file(tmp, std::ios::binary);
        write(file);
        if (!file) throw std::runtime_error("cannot write " + tmp);
    }
    fs::rename(tmp, path);
}

void report(const Catalogue& c, const std::map<std::string, std::set<std::string>>& perDll) {
    std::map<int, int> byClass;
    std::map<std::string, std::set<std::string>> covered;
    std::map<std::string, int> rowsPerDll;
    for (const Row& r : c.rows) {
        ++byClass[r.cls];
        if (r.cls <= 0) continue;
        ++rowsPerDll[r.libsclass];
        covered[r.libsclass].insert(r.exports.begin(), r.exports.end());
    }
    int functions = 0;
    for (const auto& [cls, n] : byClass)
        if (cls > 0) functions += n;
    std::cout << "gencatalogue: " << functions << " functions, " << byClass[-1] << " types, "
              << byClass[0] << " constants\n";
    std::cout << "  by class:";
    for (const auto& [cls, n] : byClass) std::cout << ' ' << cls << ':' << n;
    std::cout << "\n  skipped functions: " << c.skipped.notExported << " not exported, "
              << c.skipped.excludedOnly << " excluded DLLs only, " << c.skipped.variadic
              << " variadic, " << c.skipped.inexpressible << " inexpressible\n";
    std::cout << "  left out: " << c.skipped.interfaceStubs << " COM interface stubs, "
              << c.skipped.handleDummies << " handle dummies, " << c.skipped.marshallingHelpers
              << " RPC/NDR marshalling helpers\n";
    std::cout << "  listed DLLs (records, exports with a record / exports):\n";
    for (const auto& [dll, exports] : perDll) {
        if (!listedPosition(dll)) continue;
        const std::string spelled = libsclass(dll);
        const auto& got = covered[spelled];
        std::cout << "    " << std::left << std::setw(14) << spelled << std::right << std::setw(6)
                  << rowsPerDll[spelled] << std::setw(7) << got.size() << " / " << exports.size()
                  << "  " << std::fixed << std::setprecision(1)
                  << 100.0 * double(got.size()) / double(exports.size()) << "%\n";
    }
    std::cout << "  other DLLs:";
    for (const auto& [dll, n] : rowsPerDll)
        if (!listedPosition(dll + ".dll") && !listedPosition(dll))
            std::cout << ' ' << dll << ':' << n;
    std::cout << '\n';
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!parseOptions(argc, argv, o)) {
        std::cerr
            << "usage: gencatalogue --include DIR --libs DIR --resource-dir DIR --out FILE.sql\n"
               "       [--libs32 DIR] [--layouts FILE] [--exceptions FILE] [--hand-records "
               "FILE.h]\n";
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    try {
        std::vector<LibraryFolder> folders = {{o.libs, "64"}};
        if (!o.libs32.empty()) folders.push_back({o.libs32, "32"});
        const Exports exports = readExports(folders);
        const auto& perDll = exports.perDll;
        std::vector<std::string> headers;
        for (const FactRow& row : readFacts("parsed_headers.tsv", 1, 2)) {
            if (!row[1].empty()) headers.push_back("#define " + row[1]);
            headers.push_back(row[0]);
        }
        ParseSettings settings{o.include, o.resourceDir, headers, "0x0A00", "i686-w64-mingw32", ""};
        if (!o.handRecords.empty()) settings.extraSource = "#include \"" + o.handRecords + "\"\n";
        ParseResult parsed = readHeaders(settings);
        if (parsed.errors) {
            std::cerr << "gencatalogue: " << parsed.errors << " errors parsing the headers\n";
            for (const std::string& e : parsed.firstErrors) std::cerr << "  " << e << '\n';
        }
        // The functions of the listed DLLs that the headers read do not declare.
        std::set<std::string> listedExports;
        for (const auto& [dll, names] : perDll)
            if (listedPosition(dll)) listedExports.insert(names.begin(), names.end());
        for (const Function& f : parsed.declarations.functions) listedExports.erase(f.name);
        const auto atCoverage = std::chrono::steady_clock::now();
        const HeaderCoverage coverage = headerCoverage(o.include, parsed.included, listedExports);
        const double secondsCoverage = seconds(atCoverage);
        if (!coverage.problems.empty()) {
            for (const std::string& p : coverage.problems)
                std::cerr << "gencatalogue: " << p << '\n';
            return 1;
        }
        const auto at64 = std::chrono::steady_clock::now();
        ParseSettings settings64 = settings;
        settings64.target = "x86_64-w64-mingw32";
        read64Bit(settings64, parsed.declarations);
        const double seconds64 = seconds(at64);
        const auto atLevels = std::chrono::steady_clock::now();
        const Availability availability = declaredByLevel(settings);
        const double secondsLevels = seconds(atLevels);
        std::vector<LayoutException> exceptions;
        if (!o.exceptions.empty()) {
            std::ifstream in(o.exceptions);
            if (!in) throw std::runtime_error("cannot read " + o.exceptions);
            exceptions = readExceptions(in);
        }
        const Catalogue catalogue = buildCatalogue(parsed.declarations, exports.index, availability,
                                                   exceptions, exports.details);

        writeAtomically(o.out, [&](std::ostream& file) { writeSql(file, catalogue.rows); });
        if (!o.layouts.empty())
            writeAtomically(o.layouts,
                            [&](std::ostream& file) { writeLayouts(file, catalogue.layouts); });
        report(catalogue, perDll);
        std::cout << "  headers: " << parsed.included.size() << " read; "
                  << coverage.excluded.size()
                  << " declaring functions of the listed DLLs not read (data/unread_headers.tsv)"
                  << ", all scanned in " << std::fixed << std::setprecision(1) << secondsCoverage
                  << " s\n";
        std::cout << "  64-bit structures, prototypes and constants read in " << std::fixed
                  << std::setprecision(1) << seconds64 << " s\n";
        std::cout << "  names at " << parsedLevels().size() << " older Windows versions read in "
                  << secondsLevels << " s\n";
        std::cout << "  generated in " << std::fixed << std::setprecision(1) << seconds(start)
                  << " s\n";
    } catch (const std::exception& e) {
        std::cerr << "gencatalogue: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
