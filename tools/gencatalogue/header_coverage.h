#pragma once
// Which headers of the include folder declare functions that the DLLs of
// the DLL list export and that no header read declares: every such header
// is read, or data/unread_headers.tsv says why not.
#include <map>
#include <set>
#include <string>
#include <vector>

namespace tolvane::gen {

// The names of `exports` that `text` (a header) declares: an exported name
// followed by "(" outside comments and preprocessor lines, where it is not
// called (after "=", "(", ",", "return" and the like, as in an inline
// function's body) nor a method of a C++ interface (after STDMETHODCALLTYPE).
std::set<std::string> declaredExports(const std::string& text,
                                      const std::set<std::string>& exports);

struct HeaderCoverage {
    std::map<std::string, std::string> excluded;  // header -> reason, of those that declare exports
    std::vector<std::string> problems;            // unread and unexcluded headers, stale exclusions
};

// Scans every header below `includeDir` (paths relative to it) against
// `exports`, the listed DLLs' functions that the headers read do not
// declare; `included` are the headers the parse reads.
HeaderCoverage headerCoverage(const std::string& includeDir, const std::set<std::string>& included,
                              const std::set<std::string>& exports);

}  // namespace tolvane::gen
