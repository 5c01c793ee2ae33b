#include "gui/main_window.h"

#include "core/locate/open_catalogue.h"
#include "core/lookup/dll_list.h"
#include "core/store/engine.h"
#include "core/store/error.h"
#include "core/store/optional_columns.h"
#include "core/store/vocabulary.h"
#include "core/system/dialogs.h"
#include "gui/add_items.h"
#include "gui/detail_zoom.h"
#include "gui/output_forms.h"
#include "gui/record_editor.h"
#include "gui/record_view.h"
#include "gui/result_list_view.h"
#include "gui/searches.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace tolvane {

namespace {

const QString kPatternPresets = QStringLiteral("*~Get~Set~*Window");

// Shift state as the key handlers take it: 1 Shift, 2 Ctrl, 4 Alt.
int shiftState(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
           (m & Qt::AltModifier ? 4 : 0);
}

}  // namespace

MainWindow::MainWindow(const Env& env, QWidget* parent)
    : QWidget(parent), env_(env), controls_(createControls(*this, env)) {
    const WindowControls& c = controls_;
    recordView_ = std::make_unique<RecordView>(
        catalogue_, *env.dialogs,
        RecordView::Controls{c.detailBoxes, c.win95Check, c.winntCheck, c.categoryBox, c.resultList,
                             c.resultModel, c.statusLine});
    searches_ =
        std::make_unique<Searches>(catalogue_, *env.dialogs,
                                   Searches::Controls{c.patternBox, c.categoryFilter, c.dllFilter,
                                                      c.resultModel, c.statusLine, c.searchDelay},
                                   [this] { recordView_->selectResult(0); });
    outputForms_ = std::make_unique<OutputForms>(
        *env.clipboard, *env.dialogs, *env.settings, settingsAppName(kAppArgument), *recordView_,
        OutputForms::Controls{c.detailBoxes, c.formButtons, c.copyButton, c.zoomButton});
    recordEditor_ = std::make_unique<RecordEditor>(
        catalogue_, *env.dialogs, *recordView_,
        RecordEditor::Controls{c.detailBoxes, c.win95Check, c.winntCheck, c.categoryBox});
    detailZoom_ = std::make_unique<DetailZoom>(
        *this, *env.geometry, *outputForms_,
        DetailZoom::Controls{c.detailBoxes, c.zoomButton, c.copyButton});
    connectHandlers();
    qApp->installEventFilter(this);
}

// The features go before the controls: nothing a control emits while it is
// taken down (a focus change, say) may reach them.
MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    for (QObject* child : findChildren<QObject*>()) disconnect(child, nullptr, this, nullptr);
}

// Which control goes to which feature. Detail-box focus and key releases,
// and Esc anywhere in the window, arrive through eventFilter. Handlers that
// use the catalogue go through whenCatalogueFree.
void MainWindow::connectHandlers() {
    const WindowControls& c = controls_;
    const auto free = [this](std::function<void()> handler) {
        return [this, handler] { whenCatalogueFree(handler); };
    };
    Searches* s = searches_.get();
    connect(c.patternBox->lineEdit(), &QLineEdit::textEdited, this, [s] { s->patternEdited(); });
    connect(c.patternBox, &QComboBox::activated, this, free([s] { s->presetChosen(); }));
    connect(c.categoryFilter, &QComboBox::activated, this,
            free([s] { s->categoryFilterChosen(); }));
    connect(c.dllFilter, &QComboBox::activated, this, free([s] { s->dllFilterChosen(); }));
    connect(c.searchDelay, &QTimer::timeout, this, free([s] { s->searchDelayElapsed(); }));
    connect(c.fullTextButton, &QPushButton::clicked, this, free([s] { s->searchFullText(); }));

    RecordView* view = recordView_.get();
    connect(c.resultList, &ResultListView::entryChosen, this,
            free([view] { view->resultChosen(); }));
    for (int i = 0; i < static_cast<int>(c.navigationButtons.size()); ++i)
        connect(c.navigationButtons[i], &QPushButton::clicked, this,
                free([view, i] { view->navigate(i); }));

    OutputForms* forms = outputForms_.get();
    for (int i = 0; i < static_cast<int>(c.formButtons.size()); ++i)
        connect(c.formButtons[i], &QRadioButton::toggled, this, [this, forms, i](bool on) {
            if (on) whenCatalogueFree([forms, i] { forms->outputFormChosen(i); });
        });
    connect(c.copyButton, &QPushButton::clicked, this, [forms] { forms->copyFocusedBox(); });

    RecordEditor* editor = recordEditor_.get();
    connect(c.addButton, &QPushButton::clicked, this, free([editor] { editor->addRecord(); }));
    connect(c.saveButton, &QPushButton::clicked, this,
            free([editor] { editor->saveShownRecord(); }));
    connect(c.deleteButton, &QPushButton::clicked, this,
            free([editor] { editor->deleteShownRecord(); }));
    connect(c.zoomButton, &QPushButton::clicked, this, [this] { detailZoom_->toggleZoom(); });
}

// A search lets the window work from inside an engine statement, where the
// catalogue cannot take another one; a handler that needs it waits until
// that statement has returned (events posted now come at the next turn).
void MainWindow::whenCatalogueFree(const std::function<void()>& handler) {
    if (!searches_->insideStatement()) return handler();
    QTimer::singleShot(0, this, [this, handler] { whenCatalogueFree(handler); });
}

void MainWindow::start() {
    std::unique_ptr<Database> db;
    if (openCatalogue(env_, kCatalogueFileName, db, kAppArgument)) {
        catalogue_ = std::move(db);
        const OptionalColumns columns = optionalColumns(*catalogue_);
        searches_->setOptionalColumns(columns);
        outputForms_->start(columns);
        const WindowControls& c = controls_;
        const QString separator = QStringLiteral("~");
        const QString categories = categoryList().join(separator);
        addItems(categories, c.categoryFilter, separator, allCategoriesPosition());
        addItems(categories, c.categoryBox, separator, allCategoriesPosition());
        addItems(dllFilterEntries(dllList().join(separator), catalogueDllSpellings(*catalogue_)),
                 c.dllFilter, separator, kAllLibrariesPosition);
        addItems(kPatternPresets, c.patternBox, separator, 0);
    }
    searches_->markStarted();
}

void MainWindow::setSearchFillSlice(std::chrono::nanoseconds slice) {
    searches_->setFillSlice(slice);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && w->window() == this) searches_->cancel();
        return false;
    }
    if (type != QEvent::FocusIn && type != QEvent::KeyRelease) return false;
    const DetailBoxes& boxes = controls_.detailBoxes;
    for (int i = 0; i < kDetailBoxCount; ++i) {
        if (watched != boxes[i]->widget()) continue;
        if (type == QEvent::FocusIn) {
            outputForms_->detailBoxFocused(i);
        } else {
            auto* key = static_cast<QKeyEvent*>(event);
            detailZoom_->detailBoxKeyReleased(i, key->key(), shiftState(key->modifiers()));
        }
        break;
    }
    return false;
}

// Enter reaches the window when the focused control does not take it
// itself (multi-line boxes do, for their line breaks). As with a default
// button, a focused button is clicked in its place.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        (focused ? focused : controls_.zoomButton)->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

// A double click on the window's background chooses another catalogue for
// the next start.
void MainWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    QWidget::mouseDoubleClickEvent(event);
    if (childAt(event->position().toPoint())) return;
    try {
        chooseCatalogue(env_, kAppArgument);
    } catch (const Error& e) {
        env_.dialogs->messageBox(e.description(), Buttons::Ok, Icon::Critical);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    shutdown();
    event->accept();
}

// Closes the catalogue without a question; the application ends with its
// last window. A search still filling the list sees the cancel flag and
// unwinds; it holds its own reference to the database, which is closed when
// that search lets go of it.
void MainWindow::shutdown() {
    searches_->cancel();
    controls_.searchDelay->stop();
    if (catalogue_ && catalogue_.use_count() == 1) {
        try {
            catalogue_->close();
        } catch (const Error&) {}
    }
    catalogue_.reset();
}

}  // namespace tolvane
