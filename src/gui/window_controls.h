#pragma once

#include "gui/detail_box.h"
#include "gui/result_list_view.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;
class QWidget;

namespace tolvane {

struct Env;
class BannerView;
class ResultListModel;

// Navigation buttons, in their order on the window.
enum NavigationButton : int { kFirstRecord, kPreviousRecord, kNextRecord, kLastRecord };
// The declaration forms the form buttons choose.
enum FormButton : int { kVbForm, kCSharpForm, kVba64Form, kFormCount };

// The main window's controls. Every control carries an object name (the
// member's name; array elements as listed in window_controls.cpp), by which
// tests and tools find it.
struct WindowControls {
    QComboBox* patternBox = nullptr;
    QComboBox* categoryFilter = nullptr;
    QComboBox* dllFilter = nullptr;
    QPushButton* fullTextButton = nullptr;
    ResultListView* resultList = nullptr;
    ResultListModel* resultModel = nullptr;  // the entries of resultList
    QLabel* statusLine = nullptr;
    std::array<QLabel*, 10> fieldLabels{};
    DetailBoxes detailBoxes{};
    QComboBox* categoryBox = nullptr;
    QCheckBox* win95Check = nullptr;
    QCheckBox* winntCheck = nullptr;
    std::array<QPushButton*, 4> navigationButtons{};
    std::array<QRadioButton*, kFormCount> formButtons{};
    QPushButton* addButton = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* deleteButton = nullptr;
    QPushButton* copyButton = nullptr;
    QPushButton* zoomButton = nullptr;
    QTimer* searchDelay = nullptr;
    BannerView* banner = nullptr;
};

// Creates every control of the main window at its fixed place (the layout
// is in twips), with its texts, colours and tab order, and sizes the window.
WindowControls createControls(QWidget& window, const Env& env);

}  // namespace tolvane
