#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>

class QWidget;

namespace tolvane {

// The class name under which the web browser control is created.
inline const QString WebBrowserClass = QStringLiteral("Shell.Explorer.2");

// One event of an embedded browser: its name and its parameters by name.
// The names are those of the classic browser control:
//   "BeforeNavigate2"   {URL}              a navigation starts
//   "NavigateComplete2" {URL}              the page has arrived
//   "NavigateError"     {URL, StatusCode}  the page could not be loaded
//                                          (StatusCode: the HTTP error status,
//                                          0 for any other failure)
//   "DocumentComplete"  {URL}              the page is shown
struct BrowserEventInfo {
    QString name;
    QVariantMap parameters;
};

// A web browser hosted inside a parent widget. The hosted control, widget(),
// is a child of that parent, hidden until shown, and owns this object.
// Loading never blocks: navigate() starts it and returns, and the outcome
// arrives as events on the user-interface thread.
class Browser : public QObject {
    Q_OBJECT
public:
    explicit Browser(QWidget* hosted);

    // The hosted control: its visibility and place within the parent.
    QWidget* widget() const { return hosted_; }
    // Places the hosted control (pixels, in the parent's coordinates).
    void move(int left, int top, int width, int height);

    // Starts loading `url` in place of the current page.
    virtual void navigate(const QString& url) = 0;
    // The browser's own visibility, inside its hosted control.
    virtual void setVisible(bool visible) = 0;

signals:
    // Every browser event, as it happens.
    void browserEvent(const tolvane::BrowserEventInfo& info);

private:
    QWidget* hosted_;
};

// Creates browsers at run time.
class BrowserFactory {
public:
    virtual ~BrowserFactory() = default;
    // A browser of class `className` whose hosted control is named `name`,
    // created inside `parent`; none when the class is unknown or the
    // browser cannot be created.
    virtual Browser* create(const QString& className, const QString& name, QWidget* parent) = 0;
};

}  // namespace tolvane
