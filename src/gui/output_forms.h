#pragma once

#include "gui/detail_box.h"
#include "gui/window_controls.h"

#include <array>

class QPushButton;
class QRadioButton;

namespace tolvane {

class Clipboard;
class Dialogs;
class RecordView;
class SettingsStore;
struct OptionalColumns;

// The declaration box's form (VB, C# or 64-bit VBA), the copy button and the detail box
// that last had the focus, which the copy and the enlarge act on and beside
// which their buttons sit.
class OutputForms {
public:
    struct Controls {
        DetailBoxes detailBoxes;
        std::array<QRadioButton*, kFormCount> formButtons;
        QPushButton* copyButton;
        QPushButton* zoomButton;
    };
    // The chosen form is remembered in `settings` under application `settingsApp`.
    OutputForms(Clipboard& clipboard, Dialogs& dialogs, SettingsStore& settings,
                QString settingsApp, RecordView& view, Controls controls);

    // The column a form button's form is stored in.
    static QString formColumn(int formButton);

    // Start-up, once the catalogue is open: offers the 64-bit VBA form only
    // when the catalogue has its column, and chooses the form remembered
    // from the last run (VB instead of a form not offered).
    void start(const OptionalColumns& columns);
    // Switches the declaration box to the form of `formButton`, remembers
    // the choice and reloads the record on view, so that the box shows that
    // form's column.
    void outputFormChosen(int formButton);
    // Puts the focused box's text on the clipboard: the declaration as a
    // private declaration of the chosen form, any other text as it is.
    void copyFocusedBox();
    // Remembers the box and moves the copy and enlarge buttons beside it
    // (not for the name box).
    void detailBoxFocused(int index);
    // The detail box that last had the focus (the declaration box at start).
    int focusedBox() const { return focusedBox_; }

private:
    Clipboard& clipboard_;
    Dialogs& dialogs_;
    SettingsStore& settings_;
    QString settingsApp_;
    RecordView& view_;
    Controls controls_;
    int focusedBox_ = kDeclarationBox;
};

}  // namespace tolvane
