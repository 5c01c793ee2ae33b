#pragma once

#include "platform/env.h"

#include <QRect>
#include <QWidget>

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QListView;
class QPushButton;
class QRadioButton;
class QTimer;

namespace tolvane {

class Advertise;
class Database;
class DetailBox;
class ResultListModel;
struct SearchStatement;

// The one window: search controls on the left, one record's details on the
// right, navigation and editing buttons, a status line and the banner.
// Handlers carry the names of the controls they serve; control arrays share
// one handler that takes the element index.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(const Env& env, QWidget* parent = nullptr);
    ~Form1() override;

    // Start-up: opens the catalogue and fills the lists. Runs once, before
    // the window is shown.
    void Form_Load();

    // Window state shared by the handlers.
    std::shared_ptr<Database> Db;
    bool Loaded = false;
    bool CancelSearch = false;
    std::int16_t CurOut = 3;
    QRect OutRect;  // screen rectangle of the box before the last enlarge
    // How long a search fills the list between two looks at the window's
    // input (Esc, typing, clicks): short enough that the window answers at
    // once, long enough that its own work stays small beside the filling.
    // Zero looks after every row.
    std::chrono::nanoseconds FillSlice = std::chrono::milliseconds(10);

    // Controls.
    QComboBox* T = nullptr;
    QComboBox* CoLei = nullptr;
    QComboBox* CoDll = nullptr;
    QPushButton* Command5 = nullptr;
    QListView* L = nullptr;
    ResultListModel* LItems = nullptr;  // the entries of L
    QLabel* St = nullptr;
    std::array<QLabel*, 10> Lab{};
    std::array<DetailBox*, 8> TOut{};
    QComboBox* CoOut = nullptr;
    std::array<QPushButton*, 4> Goto{};
    QCheckBox* Ch95 = nullptr;
    QCheckBox* ChNT = nullptr;
    std::array<QRadioButton*, 2> Option1{};
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command7 = nullptr;
    QTimer* Timer1 = nullptr;
    Advertise* Advertise1 = nullptr;

    // Selects entry `row` of L (or none for -1) and raises its click handling
    // as a user's click would.
    void selectResult(int row);
    // The tag of an Option1 element: the column its output form shows.
    static QString optionTag(int index);

    // Name search.
    void T_Change();
    void T_Click();
    void Timer1_Timer();
    void CoLei_Click();
    void CoDll_Click();
    void NameSearch();
    // Full-text search.
    void Command5_Click();
    // Record view and navigation.
    void ShowRecord(const QString& id);
    void L_Click();
    void Goto_Click(int index);
    // Declaration output.
    void Option1_Click(int index);
    void Command3_Click();
    void TOut_GotFocus(int index);
    // Record editing.
    void Command1_Click();
    void Command2_Click();
    void Command7_Click();
    // Detail zoom.
    void Command6_Click();
    void TOut_KeyUp(int index, int keyCode, int shift);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Enter that no control takes clicks the enlarge button, the window's
    // default button (a focused button instead clicks itself).
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void connectHandlers();
    void shutdown();
    // Replaces the entries of L by the rows of a search statement, filling
    // while the window stays responsive. True when the search ran to its end;
    // false when it was cancelled or a newer search took over. A statement
    // the catalogue rejects (or no catalogue) leaves L empty and counts as
    // run to its end.
    bool runSearch(const SearchStatement& statement);

    std::uint64_t searchRuns_ = 0;  // searches started; only the latest may fill L

    const Env& env_;
};

}  // namespace tolvane
