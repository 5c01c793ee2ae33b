#pragma once

#include "core/lookup/declaration_forms.h"
#include "core/store/record.h"
#include "core/store/status.h"
#include "gui/detail_box.h"

#include <QList>
#include <QObject>

#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace tolvane {

class Clipboard;
class DetailZoom;
class Dialogs;
class SettingsStore;
class WindowGeometry;

// Navigation buttons, in their order on the window.
enum NavigationButton : int { kFirstRecord, kPreviousRecord, kNextRecord, kLastRecord };
// The form buttons, in the order of the forms.
enum FormButton : int { kVbForm, kCSharpForm, kVba64Form, kFormCount };

// The record side of the window and its controls: one record in the detail
// boxes, the two check boxes and the category box; the declaration form;
// the copy and enlarge buttons, which sit by the detail box that last had
// the focus; the navigation and editing buttons, which it hands to the
// window. The record on view is a value the panel holds; record() is that
// record with what the user changed in the controls.
class RecordPanel : public QObject {
    Q_OBJECT
public:
    struct Services {
        Clipboard& clipboard;
        Dialogs& dialogs;
        SettingsStore& settings;
        QString settingsApp;  // where the chosen form is remembered
        WindowGeometry& geometry;
    };
    // Creates the controls on `window` at their places.
    RecordPanel(QWidget& window, Services services);
    ~RecordPanel() override;

    // Start-up, once the catalogue is open: fills the category box, offers
    // the 64-bit VBA form only when the catalogue has its column, and
    // chooses the form remembered from the last run (VB instead of a form
    // not offered).
    void start(const ColumnSet& catalogueColumns);

    // Shows a record. A Null class keeps the category box as it was; "Yes"
    // in any letter case ticks a check box.
    void setRecord(const Record& record);
    // Whether a record has been shown.
    bool hasRecord() const { return hasRecord_; }
    // The record on view as it was shown.
    const Record& shownRecord() const { return shown_; }
    // The record on view with what the controls hold now: the texts, a
    // toggled check box as "Yes" or "No" (an untoggled one keeps the stored
    // value), the category position as its class, the declaration box as the
    // column of the chosen form.
    Record record() const;
    // The columns record() takes from the controls.
    ColumnSet editedColumns() const;
    // Those of them the user changed since the record was shown, and the
    // class when the stored one is Null (the category box keeps the one
    // before, and a save stores what it shows).
    ColumnSet changedColumns() const;
    // record() as it was right after the record was shown or saved: what
    // record() now is compared with to find the user's edits.
    const Record& recordAsShown() const { return asShown_; }
    // The controls' contents were saved (or their record deleted): they are
    // the record on view now, with no edits to ask about.
    void markSaved();
    // Asked before another form replaces the declaration box; false keeps
    // the form and the box as they are.
    void setLeaveCheck(std::function<bool()> check) { leaveCheck_ = std::move(check); }
    // Reads the whole value of a column the record on view holds in part.
    using WholeReader = std::function<Result<QVariant>(const Record& shown, Column column)>;
    void setWholeReader(WholeReader reader) { wholeReader_ = std::move(reader); }
    OutputForm form() const { return form_; }

    // Puts the focused box's text on the clipboard: the declaration as a
    // private declaration of the chosen form, any other text as it is.
    void copyFocusedBox();
    // Gives the grey boxes text readable on them in the window's palette;
    // again whenever that changes.
    void applyColours();
    // Restores an enlarged box.
    void restoreEnlarged();
    // The enlarge button: the window's default button.
    QPushButton* zoomButton() const { return zoomButton_; }
    // The controls the window's tab order runs through, in that order, with
    // `afterEditing` put after the editing buttons.
    QList<QWidget*> tabOrder(QWidget* afterEditing) const;

signals:
    // The user chose another form; the record on view is to be loaded anew.
    void formChosen();
    void navigationChosen(tolvane::NavigationButton button);
    void addChosen();
    void saveChosen();
    void deleteChosen();
    // Which boxes show only the start of their text, and how long the
    // text is ("说明 共 1 000 000 个字符"); empty when all show the whole.
    // Told whenever a record is shown and when a paste changes it.
    void sizeNoted(const QString& note);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls(QWidget& window);
    void nameControls();
    void chooseForm(OutputForm form);
    void detailBoxFocused(int box);
    QString sizeNote() const;
    Column boxColumn(int box) const;
    DetailBox::ReadWhole readWhole(Column column);

    Services services_;
    std::array<QLabel*, 10> fieldLabels_{};
    DetailBoxes detailBoxes_{};
    QComboBox* categoryBox_ = nullptr;
    QCheckBox* win95Check_ = nullptr;
    QCheckBox* winntCheck_ = nullptr;
    std::array<QPushButton*, 4> navigationButtons_{};
    std::array<QRadioButton*, kFormCount> formButtons_{};
    QPushButton* copyButton_ = nullptr;
    QPushButton* zoomButton_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    std::unique_ptr<DetailZoom> zoom_;
    Record shown_;
    Record asShown_;
    ColumnSet catalogueColumns_;
    bool hasRecord_ = false;
    std::function<bool()> leaveCheck_;
    WholeReader wholeReader_;
    OutputForm form_ = OutputForm::VB;
    int focusedBox_ = kDeclarationBox;  // the box the copy and the enlarge act on
};

}  // namespace tolvane
