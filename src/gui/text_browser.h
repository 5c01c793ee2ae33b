#pragma once

#include "gui/browser.h"

namespace tolvane {

// Browsers that fetch pages with Qt's network access and show them as rich
// text: HTML and images, no scripts, no plug-ins. A page that cannot be
// loaded (network error, HTTP error status, too large) leaves the view empty
// and raises "NavigateError". Web links clicked in the page are followed in
// the same view.
class TextBrowserFactory : public BrowserFactory {
public:
    // Knows only WebBrowserClass; any other class gives none.
    Browser* create(const QString& className, const QString& name, QWidget* parent) override;
};

}  // namespace tolvane
