#include "gui/search_panel.h"

#include "core/lookup/dll_list.h"
#include "core/lookup/search_requests.h"
#include "core/lookup/search_worker.h"
#include "core/store/catalogue_store.h"
#include "core/store/vocabulary.h"
#include "core/system/dialogs.h"
#include "gui/add_items.h"
#include "gui/result_list_model.h"
#include "gui/result_list_view.h"
#include "gui/search_texts.h"
#include "gui/window_layout.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace tolvane {
namespace {

const QColor kPatternBackground(255, 192, 255);
const QString kPatternPresets = QStringLiteral("*~Get~Set~*Window");
const QString kSeparator = QStringLiteral("~");

// The entry's name and position in the status line; a name too long for
// the line is cut short with "…", never the position. The tip holds it all.
void showPosition(QLabel& line, const QString& name, qsizetype row, qsizetype count) {
    const QString full = positionText(name, row, count);
    const QString position = full.mid(name.size());
    const QFontMetrics metrics = line.fontMetrics();
    const int room = line.contentsRect().width() - metrics.horizontalAdvance(position);
    line.setText(metrics.elidedText(name, Qt::ElideRight, std::max(room, 0)) + position);
    line.setToolTip(full);
}

}  // namespace

SearchPanel::SearchPanel(QWidget& window, Dialogs& dialogs) : QObject(&window), dialogs_(dialogs) {
    setObjectName(QStringLiteral("searchPanel"));
    createControls(window);
    connect(patternBox_->lineEdit(), &QLineEdit::textEdited, this, &SearchPanel::patternEdited);
    connect(patternBox_, &QComboBox::activated, this, &SearchPanel::searchNames);
    connect(categoryFilter_, &QComboBox::activated, this, &SearchPanel::filterChosen);
    connect(dllFilter_, &QComboBox::activated, this, &SearchPanel::filterChosen);
    connect(searchDelay_, &QTimer::timeout, this, &SearchPanel::searchDelayElapsed);
    connect(fullTextButton_, &QPushButton::clicked, this, &SearchPanel::searchFullText);
    connect(resultList_, &ResultListView::entryChosen, this, &SearchPanel::resultChosen);
}

SearchPanel::~SearchPanel() = default;

void SearchPanel::createControls(QWidget& window) {
    patternBox_ = place(new QComboBox(&window), 90, 90, 2445, 300);
    patternBox_->setObjectName(QStringLiteral("patternBox"));
    patternBox_->setEditable(true);
    patternBox_->setInsertPolicy(QComboBox::NoInsert);
    // The search runs on exactly what was typed: no inline completion, and no
    // swapping the text for a preset spelled alike in another case when Enter
    // is pressed or the box loses the focus. A preset is put in only when it
    // is picked from the list.
    patternBox_->setCompleter(nullptr);
    QObject::disconnect(patternBox_->lineEdit(), &QLineEdit::returnPressed, patternBox_, nullptr);
    QObject::disconnect(patternBox_->lineEdit(), &QLineEdit::editingFinished, patternBox_, nullptr);
    // The box's own name reads its text on some platforms: the field says it.
    patternBox_->setAccessibleName(QStringLiteral("函数名"));
    patternBox_->lineEdit()->setAccessibleName(QStringLiteral("函数名"));
    categoryFilter_ = place(new QComboBox(&window), 90, 450, 2445, 300);
    categoryFilter_->setObjectName(QStringLiteral("categoryFilter"));
    categoryFilter_->setAccessibleName(QStringLiteral("按类别查找"));
    dllFilter_ = place(new QComboBox(&window), 90, 840, 2445, 300);
    dllFilter_->setObjectName(QStringLiteral("dllFilter"));
    dllFilter_->setAccessibleName(QStringLiteral("按DLL文件查找"));
    fullTextButton_ =
        place(new QPushButton(QStringLiteral("在所有信息中找"), &window), 60, 1200, 2475, 345);
    fullTextButton_->setObjectName(QStringLiteral("fullTextButton"));

    resultList_ = place(new ResultListView(&window), 120, 1560, 2445, 5730);
    resultList_->setObjectName(QStringLiteral("resultList"));
    resultList_->setAccessibleName(QStringLiteral("查找结果"));
    resultModel_ = new ResultListModel(resultList_);
    resultModel_->setObjectName(QStringLiteral("resultModel"));
    resultList_->setModel(resultModel_);
    resultList_->setUniformItemSizes(true);
    // A list of a million entries is laid out a slice at a time, so the
    // window keeps answering while a long result arrives.
    resultList_->setLayoutMode(QListView::Batched);
    resultList_->setBatchSize(20000);
    resultList_->setSelectionMode(QAbstractItemView::SingleSelection);
    resultList_->setEditTriggers(QAbstractItemView::NoEditTriggers);

    // A line of the window's font high, down to the window's lower edge.
    statusLine_ = place(new QLabel(&window), 60, 7320, 5565, 270);
    statusLine_->setObjectName(QStringLiteral("statusLine"));
    statusLine_->setAccessibleName(QStringLiteral("状态"));
    applyColours();

    searchDelay_ = new QTimer(&window);
    searchDelay_->setObjectName(QStringLiteral("searchDelay"));
    searchDelay_->setInterval(500);
}

// The pink pattern box and the blue status line.
void SearchPanel::applyColours() {
    setBackground(patternBox_, kPatternBackground);
    setTextColour(statusLine_, Qt::blue);
}

QList<QWidget*> SearchPanel::tabOrder() const {
    return {patternBox_, categoryFilter_, dllFilter_, resultList_, fullTextButton_};
}

void SearchPanel::start(std::unique_ptr<CatalogueStore> reader, const QStringList& dllSpellings) {
    if (reader) useReader(std::move(reader));
    addItems(categoryList().join(kSeparator), categoryFilter_, kSeparator, allCategoriesPosition());
    addItems(dllFilterEntries(dllList().join(kSeparator), dllSpellings), dllFilter_, kSeparator,
             kAllLibrariesPosition);
    widenPopup(categoryFilter_);
    widenPopup(dllFilter_);
    addItems(kPatternPresets, patternBox_, kSeparator, 0);
}

void SearchPanel::useReader(std::unique_ptr<CatalogueStore> reader) {
    cancel();
    worker_ = std::make_unique<SearchWorker>(std::move(reader));
    connect(worker_.get(), &SearchWorker::rowsFound, this, &SearchPanel::rowsFound);
    connect(worker_.get(), &SearchWorker::searchEnded, this, &SearchPanel::searchEnded);
}

void SearchPanel::patternEdited() {
    cancel();
    searchDelay_->start();  // restarts the countdown
}

// Stopped before searching, so an edit made during the search restarts the
// countdown and is searched in its turn.
void SearchPanel::searchDelayElapsed() {
    searchDelay_->stop();
    searchNames();
}

void SearchPanel::filterChosen() {
    if (!patternBox_->currentText().isEmpty()) searchNames();
}

void SearchPanel::searchNames() {
    const QString pattern = patternBox_->currentText();
    if (pattern.isEmpty() || !started_) return;
    statusLine_->setText(searchingText());
    run(nameSearch(pattern, categoryFilter_->currentIndex(), dllFilter_->currentIndex(),
                   dllFilter_->currentText()),
        true);
}

// Lists the matches and nothing else: the status line, the selection and
// the record on view stay as they were. A name search still waiting for the
// typing to pause is dropped: it would replace what the user asked for.
void SearchPanel::searchFullText() {
    searchDelay_->stop();
    run(fullTextSearch(patternBox_->currentText()), false);
}

// The list keeps what it shows until the new search's first rows arrive.
void SearchPanel::run(const SearchRequest& request, bool nameSearch) {
    if (!worker_) {
        statusLine_->setText(noCatalogueText());
        return;
    }
    running_ = ++searches_;
    nameSearch_ = nameSearch;
    listed_ = false;
    worker_->start(running_, request, fillSlice_);
}

// Views lay the list out anew on every publication, so batches are published
// once they are at least as many as the list shows: that work stays linear.
// The worker hears that the batch was taken once the list has it, so that
// what the window does meanwhile comes before the next batch.
void SearchPanel::rowsFound(quint64 search, const ResultBatch& batch) {
    if (search == running_) {
        if (!listed_) clearList();
        listed_ = true;
        resultModel_->stage(batch);
        if (resultModel_->staged() >= resultModel_->count()) resultModel_->publish();
    }
    if (worker_) worker_->batchTaken();
}

void SearchPanel::searchEnded(quint64 search, const SearchEnd& end) {
    if (search != running_) return;
    running_ = 0;
    if (!listed_) clearList();
    resultModel_->publish();
    const StatusCode code = end.status.code();
    if (code == StatusCode::Cancelled) return;
    // A malformed pattern lists nothing, and says why where the count would be.
    if (code == StatusCode::InvalidPattern) return statusLine_->setText(end.status.message());
    if (!end.status.ok()) {
        statusLine_->setText(cutShortText(resultModel_->count()));
        dialogs_.messageBox(end.status.message(), Buttons::Ok, Icon::Critical);
        return;
    }
    if (end.skipped > 0)
        dialogs_.messageBox(skippedIdsText(end.skipped), Buttons::Ok, Icon::Critical);
    if (!nameSearch_) return;
    statusLine_->setText(countText(resultModel_->count()));
    if (resultModel_->count() > 0) selectResult(0);
}

void SearchPanel::cancel() {
    if (!running_) return;
    worker_->stop();
    running_ = 0;
    if (!listed_) clearList();
    resultModel_->publish();
}

void SearchPanel::clearList() {
    resultModel_->clear();
    shownRow_ = -1;
}

void SearchPanel::focusPattern() {
    patternBox_->setFocus(Qt::ShortcutFocusReason);
    patternBox_->lineEdit()->selectAll();
}

void SearchPanel::close() {
    searchDelay_->stop();
    running_ = 0;
    worker_.reset();
}

void SearchPanel::resultChosen() {
    const int row = resultList_->currentIndex().row();
    if (row < 0 || row >= resultModel_->count()) return;
    if (leaveCheck_ && !leaveCheck_()) {
        if (shownRow_ >= 0)
            resultList_->setCurrentIndex(resultModel_->index(shownRow_));
        else
            resultList_->selectionModel()->clear();
        return;
    }
    shownRow_ = row;
    emit entryChosen(resultModel_->itemData(row), resultModel_->rowid(row));
    showPosition(*statusLine_, resultModel_->text(row), row, resultModel_->count());
}

void SearchPanel::selectResult(int row) {
    resultList_->setCurrentIndex(resultModel_->index(row));
    resultChosen();
}

}  // namespace tolvane
