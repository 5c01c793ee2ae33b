#include "browse/form1.h"

#include "browse/add_items.h"
#include "browse/detail_box.h"
#include "browse/result_list.h"
#include "catalogue/open_mdb.h"
#include "catalogue/vocabulary.h"
#include "platform/dialogs.h"
#include "platform/engine.h"
#include "platform/error.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace tolvane {

namespace {

const QString kAppArgument = QStringLiteral("varnel");

// Shift state as the key handlers take it: 1 Shift, 2 Ctrl, 4 Alt.
int shiftState(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
           (m & Qt::AltModifier ? 4 : 0);
}

}  // namespace

Form1::Form1(const Env& env, QWidget* parent) : QWidget(parent), env_(env) {
    createControls();
    connectHandlers();
    qApp->installEventFilter(this);
}

Form1::~Form1() = default;

void Form1::connectHandlers() {
    connect(T->lineEdit(), &QLineEdit::textEdited, this, [this] { T_Change(); });
    connect(T, &QComboBox::activated, this, [this] { T_Click(); });
    connect(CoLei, &QComboBox::activated, this, [this] { CoLei_Click(); });
    connect(CoDll, &QComboBox::activated, this, [this] { CoDll_Click(); });
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(L->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) L_Click();
            });
    for (int i = 0; i < static_cast<int>(Goto.size()); ++i)
        connect(Goto[i], &QPushButton::clicked, this, [this, i] { Goto_Click(i); });
    for (int i = 0; i < static_cast<int>(Option1.size()); ++i)
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) Option1_Click(i);
        });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    connect(Command7, &QPushButton::clicked, this, [this] { Command7_Click(); });
}

void Form1::Form_Load() {
    std::unique_ptr<Database> db;
    if (OpenMDB(env_, QStringLiteral("winapi.mdb"), db, kAppArgument)) {
        Db = std::move(db);
        AddItems(kCategoryList, CoLei, QStringLiteral("~"), kAllCategoriesPosition);
        AddItems(kCategoryList, CoOut, QStringLiteral("~"), kAllCategoriesPosition);
        AddItems(kDllList, CoDll, QStringLiteral("~"), kAllLibrariesPosition);
        AddItems(kPatternPresets, T, QStringLiteral("~"), 0);
    }
    Loaded = true;
    CurOut = 3;
}

void Form1::selectResult(int row) {
    if (row < 0 || row >= LItems->count()) {
        L->selectionModel()->clear();
        return;
    }
    L->setCurrentIndex(LItems->index(row));
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && w->window() == this) CancelSearch = true;
        return false;
    }
    if (type != QEvent::FocusIn && type != QEvent::KeyRelease) return false;
    for (int i = 0; i < static_cast<int>(TOut.size()); ++i) {
        if (watched != TOut[i]->widget()) continue;
        if (type == QEvent::FocusIn) {
            TOut_GotFocus(i);
        } else {
            auto* key = static_cast<QKeyEvent*>(event);
            TOut_KeyUp(i, key->key(), shiftState(key->modifiers()));
        }
        break;
    }
    return false;
}

void Form1::mouseDoubleClickEvent(QMouseEvent* event) {
    QWidget::mouseDoubleClickEvent(event);
    if (childAt(event->position().toPoint())) return;
    try {
        SelectMDB(env_, kAppArgument);
    } catch (const Error& e) {
        env_.dialogs->messageBox(e.description(), Buttons::Ok, Icon::Critical);
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    shutdown();
    event->accept();
}

// Closes the catalogue without a question; the application ends with its
// last window. A search still filling the list sees the cancel flag and
// unwinds; it holds its own reference to the database, which is closed when
// that search lets go of it.
void Form1::shutdown() {
    CancelSearch = true;
    Timer1->stop();
    if (Db && Db.use_count() == 1) {
        try {
            Db->close();
        } catch (const Error&) {
        }
    }
    Db.reset();
}

}  // namespace tolvane
