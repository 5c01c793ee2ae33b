#pragma once

#include "core/store/status.h"
#include "core/system/dialogs.h"
#include "gui/record_panel.h"
#include "gui/window_env.h"

#include <QWidget>

#include <chrono>
#include <memory>

namespace tolvane {

class BannerView;
class CatalogueStore;
class SearchPanel;
class StorePatience;

// The one window: the search panel on the left, the record panel on the
// right, a status line and the banner. The window owns the catalogue and
// carries out what the panels ask for: showing a chosen record, stepping
// through the catalogue, adding, saving and deleting records.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(const WindowEnv& env, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: opens the catalogue and fills the lists. Runs once, before
    // the window is shown.
    void start();

    // How long a search reads between two batches it hands to the list
    // (10 ms by default); zero hands over every row on its own.
    void setSearchFillSlice(std::chrono::nanoseconds slice);

protected:
    // Esc anywhere in the window stops a running search.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Enter that no control takes clicks the enlarge button, the window's
    // default button (a focused button instead clicks itself).
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void addShortcuts();
    // The record actions (record_actions.cpp).
    void showRecord(qint64 id, qint64 rowid);
    void reloadShownRecord();
    void navigate(NavigationButton button);
    void addRecord();
    void saveShownRecord();
    bool writeShownRecord();
    bool editsSettled();
    void deleteShownRecord();
    bool catalogueOpen();
    bool confirmed(const QString& question, Icon icon, Buttons buttons = Buttons::YesNoCancel);
    bool editable();
    void report(const Status& failure);
    void shutdown();

    const WindowEnv& env_;
    std::unique_ptr<CatalogueStore> store_;
    SearchPanel* searchPanel_;
    RecordPanel* recordPanel_;
    BannerView* banner_;
    StorePatience* patience_;
};

}  // namespace tolvane
