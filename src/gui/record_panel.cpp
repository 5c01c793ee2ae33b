#include "gui/record_panel.h"

#include "core/store/vocabulary.h"
#include "core/system/dialogs.h"
#include "gui/add_items.h"
#include "gui/clipboard.h"
#include "gui/detail_zoom.h"
#include "gui/output_form_setting.h"
#include "gui/record_boxes.h"
#include "gui/window_layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

namespace tolvane {
namespace {

const QString kYes = QStringLiteral("Yes");

// Whether a stored flag ticks its check box: "Yes" in any letter case.
bool ticks(const QString& flag) { return flag.compare(kYes, Qt::CaseInsensitive) == 0; }

}  // namespace

RecordPanel::RecordPanel(QWidget& window, Services services)
    : QObject(&window), services_(std::move(services)) {
    setObjectName(QStringLiteral("recordPanel"));
    createControls(window);
    zoom_ = std::make_unique<DetailZoom>(window, services_.geometry, zoomButton_, copyButton_);
    for (DetailBox* box : detailBoxes_) {
        box->widget()->installEventFilter(this);
        box->onPasteRefused([this](const QString& message) {
            services_.dialogs.messageBox(message, Buttons::Ok, Icon::Critical);
        });
        box->onPartChanged([this] { emit sizeNoted(sizeNote()); });
    }
    for (int i = 0; i < kFormCount; ++i)
        connect(formButtons_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) chooseForm(static_cast<OutputForm>(i));
        });
    for (int i = 0; i < static_cast<int>(navigationButtons_.size()); ++i)
        connect(navigationButtons_[i], &QPushButton::clicked, this,
                [this, i] { emit navigationChosen(static_cast<NavigationButton>(i)); });
    connect(copyButton_, &QPushButton::clicked, this, &RecordPanel::copyFocusedBox);
    // Typing goes on in the box enlarged or restored.
    connect(zoomButton_, &QPushButton::clicked, this, [this] {
        zoom_->toggle(detailBoxes_[focusedBox_]->widget());
        detailBoxFocused(focusedBox_);
        detailBoxes_[focusedBox_]->widget()->setFocus(Qt::OtherFocusReason);
    });
    connect(addButton_, &QPushButton::clicked, this, &RecordPanel::addChosen);
    connect(saveButton_, &QPushButton::clicked, this, &RecordPanel::saveChosen);
    connect(deleteButton_, &QPushButton::clicked, this, &RecordPanel::deleteChosen);
}

RecordPanel::~RecordPanel() {
    for (DetailBox* box : detailBoxes_) box->widget()->removeEventFilter(this);
}

void RecordPanel::start(const ColumnSet& catalogueColumns) {
    addItems(categoryList().join(u'~'), categoryBox_, QStringLiteral("~"), allCategoriesPosition());
    widenPopup(categoryBox_);
    catalogueColumns_ = catalogueColumns;
    const bool vba64 = catalogueColumns.has(Column::Vba64);
    QRadioButton* vba64Button = formButtons_[kVba64Form];
    vba64Button->setEnabled(vba64);
    vba64Button->setToolTip(vba64 ? QString()
                                  : QStringLiteral("此目录数据库没有 vba64 列，无 64 位 VBA 声明"));
    OutputForm form = rememberedForm(services_.settings, services_.settingsApp);
    if (form == OutputForm::Vba64 && !vba64) form = OutputForm::VB;
    form_ = form;
    formButtons_[static_cast<int>(form)]->setChecked(true);
}

void RecordPanel::setRecord(const Record& record) {
    shown_ = record;
    hasRecord_ = true;
    for (int i = 0; i < kDetailBoxCount; ++i) {
        const Column column = boxColumn(i);
        detailBoxes_[i]->setText(record.text(column), record.partBytes(column) != 0
                                                          ? readWhole(column)
                                                          : DetailBox::ReadWhole());
    }
    win95Check_->setChecked(ticks(record.text(Column::Win95)));
    winntCheck_->setChecked(ticks(record.text(Column::WinNT)));
    if (const auto position = categoryPosition(record.value(Column::Category)))
        categoryBox_->setCurrentIndex(*position);
    asShown_ = this->record();
    emit sizeNoted(sizeNote());
}

Column RecordPanel::boxColumn(int box) const {
    return box == kDeclarationBox ? formColumn(form_) : kBoxes[box].column;
}

// The whole value is read from the row on view, once it still begins as
// shown; from then on it is the value shown.
DetailBox::ReadWhole RecordPanel::readWhole(Column column) {
    return [this, column]() -> std::optional<QString> {
        const Result<QVariant> whole =
            wholeReader_ ? wholeReader_(shown_, column) : Status(StatusCode::RecordGone);
        if (!whole.ok()) {
            if (whole.status().code() != StatusCode::Cancelled)
                services_.dialogs.messageBox(whole.status().message(), Buttons::Ok, Icon::Critical);
            return std::nullopt;
        }
        shown_.set(column, *whole);
        asShown_.set(column, *whole);
        return whole->toString();
    };
}

QString RecordPanel::sizeNote() const {
    QStringList notes;
    for (int i = 0; i < kIdBox; ++i) {
        const DetailBox* box = detailBoxes_[i];
        if (!box->showsPart()) continue;
        const QString label = detailBoxes_[i]->widget()->accessibleName();
        if (!box->restInCatalogue()) {
            notes << tolvane::sizeNote(label, box->wholeLength());
            continue;
        }
        // The stored size, less the start that was read, plus what the box
        // holds before the stored rest.
        const Column column = boxColumn(i);
        qint64 bytes = shown_.partBytes(column);
        if (!box->unchanged()) bytes += box->text().toUtf8().size() - shown_.startBytes(column);
        notes << tolvane::sizeNote(label, bytes, true);
    }
    return notes.join(QStringLiteral("；"));
}

ColumnSet RecordPanel::changedColumns() const {
    if (!hasRecord_) return {};
    ColumnSet changed = differingColumns(record(), asShown_, editedColumns());
    if (shown_.value(Column::Category).isNull() && catalogueColumns_.has(Column::Category))
        changed.add(Column::Category);
    return changed;
}

void RecordPanel::markSaved() {
    shown_ = record();
    asShown_ = shown_;
}

Record RecordPanel::record() const {
    // An unchanged box keeps the value as read (which may be only its
    // start); an edited start keeps the rest that is in the catalogue.
    Record edited = shown_;
    for (int i = 0; i < kIdBox; ++i) {
        const DetailBox* box = detailBoxes_[i];
        if (box->unchanged()) continue;
        if (box->restInCatalogue())
            edited.setEditedStart(boxColumn(i), box->text());
        else
            edited.set(boxColumn(i), box->text());
    }
    // A box not toggled since the record was shown keeps the stored value,
    // whatever its spelling; a toggled one writes "Yes" or "No".
    for (const auto& [column, check] :
         {std::pair{Column::Win95, win95Check_}, std::pair{Column::WinNT, winntCheck_}}) {
        if (check->isChecked() != ticks(shown_.text(column)))
            edited.set(column, check->isChecked() ? kYes : QStringLiteral("No"));
    }
    edited.set(Column::Category, qlonglong{classForPosition(categoryBox_->currentIndex())});
    return edited;
}

ColumnSet RecordPanel::editedColumns() const {
    return {Column::Name,   Column::Dll,      Column::Explain, formColumn(form_), Column::Parameter,
            Column::Recode, Column::Returned, Column::Win95,   Column::WinNT,     Column::Category};
}

// A form refused by the leave check leaves the previous form's button on.
void RecordPanel::chooseForm(OutputForm form) {
    if (form == form_) return;
    if (leaveCheck_ && !leaveCheck_()) {
        formButtons_[static_cast<int>(form_)]->setChecked(true);
        return;
    }
    form_ = form;
    rememberForm(services_.settings, services_.settingsApp, form);
    emit formChosen();
}

void RecordPanel::restoreEnlarged() {
    if (zoom_->enlarged()) zoomButton_->click();
}

void RecordPanel::copyFocusedBox() {
    DetailBox* box = detailBoxes_[focusedBox_];
    if (!box->readWhole()) return;
    const QString text = copiedText(box->text(), focusedBox_ == kDeclarationBox, form_);
    Status copied = services_.clipboard.clear();
    if (copied.ok()) copied = services_.clipboard.setText(text);
    if (!copied.ok()) services_.dialogs.messageBox(copied.message(), Buttons::Ok, Icon::Critical);
}

// Remembers the box and moves the copy and enlarge buttons inside its lower
// edge (not for the name box); a multi-line box keeps its text above them.
void RecordPanel::detailBoxFocused(int box) {
    focusedBox_ = box;
    if (box == kNameBox) return;
    const QRect r = detailBoxes_[box]->widget()->geometry();
    const int top = px(twips(r.y()) + twips(r.height()) - 300);
    copyButton_->move(copyButton_->x(), top);
    zoomButton_->move(zoomButton_->x(), top);
    for (int i = 0; i < kDetailBoxCount; ++i)
        if (kBoxes[i].multiLine)
            static_cast<MultiLineBox*>(detailBoxes_[i])
                ->setBottomRoom(i == box ? r.bottom() + 1 - top : 0);
}

// A detail box's focus makes it the one the copy and the enlarge act on;
// Ctrl+A alone (on release) selects its whole text. An enlarged box keeps
// the focus from Tab and Shift+Tab, which would move it into a box it
// covers, and Esc restores it.
bool RecordPanel::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress && watched == zoom_->enlarged()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) return true;
        if (key == Qt::Key_Escape) zoomButton_->click();
        return false;
    }
    if (type != QEvent::FocusIn && type != QEvent::KeyRelease) return false;
    for (int i = 0; i < kDetailBoxCount; ++i) {
        DetailBox* box = detailBoxes_[i];
        if (watched != box->widget()) continue;
        if (type == QEvent::FocusIn) {
            detailBoxFocused(i);
        } else {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_A && key->modifiers() == Qt::ControlModifier)
                box->select(0, box->length());
        }
        break;
    }
    return false;
}

}  // namespace tolvane
