#pragma once

#include "core/system/env.h"
#include "gui/window_controls.h"

#include <QWidget>

#include <chrono>
#include <functional>
#include <memory>

namespace tolvane {

class Database;
class DetailZoom;
class OutputForms;
class RecordEditor;
class RecordView;
class Searches;

// The one window: search controls on the left, one record's details on the
// right, navigation and editing buttons, a status line and the banner. The
// window owns its controls and the catalogue; each feature keeps its own
// state in its own object and is wired to the controls here.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(const Env& env, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: opens the catalogue and fills the lists. Runs once, before
    // the window is shown.
    void start();

    // How long a search fills the list between two looks at the window's
    // input (10 ms by default); zero looks after every row.
    void setSearchFillSlice(std::chrono::nanoseconds slice);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Enter that no control takes clicks the enlarge button, the window's
    // default button (a focused button instead clicks itself).
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectHandlers();
    void whenCatalogueFree(const std::function<void()>& handler);
    void shutdown();

    const Env& env_;
    std::shared_ptr<Database> catalogue_;
    WindowControls controls_;
    std::unique_ptr<Searches> searches_;
    std::unique_ptr<RecordView> recordView_;
    std::unique_ptr<OutputForms> outputForms_;
    std::unique_ptr<RecordEditor> recordEditor_;
    std::unique_ptr<DetailZoom> detailZoom_;
};

}  // namespace tolvane
