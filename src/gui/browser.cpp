#include "gui/browser.h"

#include <QWidget>

namespace tolvane {

Browser::Browser(QWidget* hosted) : QObject(hosted), hosted_(hosted) {}

void Browser::move(int left, int top, int width, int height) {
    hosted_->setGeometry(left, top, width, height);
}

}  // namespace tolvane
