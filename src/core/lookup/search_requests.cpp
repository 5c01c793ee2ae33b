#include "core/lookup/search_requests.h"

#include "core/store/vocabulary.h"

namespace tolvane {

SearchRequest nameSearch(const QString& pattern, int categoryPosition, int dllPosition,
                         const QString& dllText) {
    SearchRequest request;
    request.pattern = pattern;
    request.category = filterClass(categoryPosition);
    if (dllPosition != kAllLibrariesPosition) request.dll = dllText;
    return request;
}

SearchRequest fullTextSearch(const QString& pattern) {
    SearchRequest request;
    request.pattern = pattern;
    request.fullText = true;
    return request;
}

}  // namespace tolvane
