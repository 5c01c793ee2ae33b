#pragma once

#include "gui/banner_rules.h"
#include "gui/browser.h"
#include "gui/window_env.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace tolvane {

// The banner control: an area of fixed size that, one second after it is
// shown at run time, creates a web browser filling it and loads the banner
// page into it, unless the machine's name is on the exempt list. Until then,
// and for good on an exempt machine, it stays empty.
//
// The size follows adType and is restored after every resize. Every event of
// the browser is passed on unchanged as browserEvent.
//
// Uses env.machine (the computer's name; may be null: no name) and
// env.browsers (may be null: no browser).
class BannerView : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qint16 adType READ adType WRITE setAdType)
public:
    explicit BannerView(const WindowEnv& env, QWidget* parent = nullptr,
                        BannerSettings settings = {});

    // The banner kind, 1 by default. Setting it resizes the control at once
    // but leaves an existing browser's size and page alone.
    qint16 adType() const { return adType_; }
    void setAdType(qint16 adType);

signals:
    void browserEvent(const tolvane::BrowserEventInfo& info);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void applyAdSize();
    QString machineName() const;
    void startBanner();

    WindowEnv env_;
    BannerSettings settings_;
    qint16 adType_ = 1;
    bool sizing_ = false;
    QPointer<Browser> browser_;
    QTimer startDelay_{this};  // a child, so the host can see it
};

}  // namespace tolvane
