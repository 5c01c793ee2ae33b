#pragma once

#include "gui/browser.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>

namespace tolvane::test {

class FakeBrowser : public Browser {
public:
    using Browser::Browser;
    void navigate(const QString& url) override { navigations << url; }
    void setVisible(bool v) override { visible = v; }

    QStringList navigations;
    bool visible = false;
};

// Creates FakeBrowsers, or none when `failing`.
class FakeBrowserFactory : public BrowserFactory {
public:
    Browser* create(const QString& className, const QString& name, QWidget* parent) override {
        requests << className + ' ' + name;
        if (failing) return nullptr;
        auto* hosted = new QWidget(parent);
        hosted->hide();
        created.push_back(new FakeBrowser(hosted));
        return created.back();
    }

    bool failing = false;
    QStringList requests;  // "class name" for every attempt
    std::vector<QPointer<FakeBrowser>> created;
};

// Runs the event loop until `done` holds or five seconds pass; whether it holds.
inline bool waitUntil(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    return done();
}

}  // namespace tolvane::test
