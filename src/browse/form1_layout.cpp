// The window's controls at their fixed places (twips, converted to pixels).
#include "browse/detail_box.h"
#include "browse/form1.h"
#include "browse/result_list.h"
#include "browse/twips.h"
#include "banner/advertise.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace tolvane {

namespace {

constexpr int kClientWidth = 11475;
constexpr int kClientHeight = 7590;
const QColor kPatternBackground(255, 192, 255);
const QColor kInactiveBorder(212, 208, 200);

template <typename W>
W* place(W* w, int left, int top, int width, int height) {
    w->setGeometry(px(left), px(top), px(width), px(height));
    return w;
}

void setBackground(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, colour);
    w->setPalette(p);
}

QIcon makeIcon() {
    QPixmap pix(32, 32);
    pix.fill(Qt::transparent);
    QPainter painter(&pix);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(40, 90, 170));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(1, 1, 30, 30), 5, 5);
    painter.setPen(Qt::white);
    QFont f = painter.font();
    f.setBold(true);
    f.setPixelSize(12);
    painter.setFont(f);
    painter.drawText(pix.rect(), Qt::AlignCenter, QStringLiteral("API"));
    return QIcon(pix);
}

struct LabelSpec {
    const char* text;
    int left, top, width, height;
};

}  // namespace

QString Form1::optionTag(int index) {
    return index == 0 ? QStringLiteral("declare") : QStringLiteral("CSharp");
}

void Form1::createControls() {
    setWindowTitle(QStringLiteral("Tolvane"));
    setWindowIcon(makeIcon());
    setFixedSize(px(kClientWidth), px(kClientHeight));

    T = place(new QComboBox(this), 90, 90, 2445, 300);
    T->setEditable(true);
    T->setInsertPolicy(QComboBox::NoInsert);
    setBackground(T, kPatternBackground);
    CoLei = place(new QComboBox(this), 90, 450, 2445, 300);
    CoDll = place(new QComboBox(this), 90, 840, 2445, 300);
    Command5 = place(new QPushButton(QStringLiteral("在所有信息中找"), this), 60, 1200, 2475, 345);

    L = place(new QListView(this), 120, 1560, 2445, 5820);
    LItems = new ResultListModel(L);
    L->setModel(LItems);
    L->setUniformItemSizes(true);
    // A list of a million entries is laid out a slice at a time, so the
    // window keeps answering while a long result arrives.
    L->setLayoutMode(QListView::Batched);
    L->setBatchSize(20000);
    L->setSelectionMode(QAbstractItemView::SingleSelection);
    L->setEditTriggers(QAbstractItemView::NoEditTriggers);

    St = place(new QLabel(this), 60, 7410, 5565, 165);
    QPalette sp = St->palette();
    sp.setColor(QPalette::WindowText, Qt::blue);
    St->setPalette(sp);

    static const LabelSpec labels[] = {
        {"名称：", 2670, 150, 1080, 225},    {"类别：", 2670, 570, 1080, 225},
        {"DLL文件：", 2670, 900, 1080, 225}, {"支持系统：", 2670, 1290, 1080, 225},
        {"说明：", 2670, 1650, 1080, 225},   {"声明：", 2670, 2640, 1080, 225},
        {"参数：", 2670, 3840, 1080, 225},   {"示例代码：", 2670, 5280, 1080, 225},
        {"返回值：", 2670, 6390, 1080, 225}, {"ID：", 6990, 930, 450, 195},
    };
    for (std::size_t i = 0; i < Lab.size(); ++i) {
        const LabelSpec& s = labels[i];
        Lab[i] = place(new QLabel(QString::fromUtf8(s.text), this), s.left, s.top, s.width, s.height);
        if (i < 9) Lab[i]->setAlignment(Qt::AlignRight | Qt::AlignTop);
    }

    auto single = [this](int left, int top, int width, int height, const char* tag) {
        auto* box = place(new SingleLineBox(this), left, top, width, height);
        box->setTag(QString::fromLatin1(tag));
        return box;
    };
    auto multi = [this](int left, int top, int width, int height, const char* tag) {
        auto* box = place(new MultiLineBox(this), left, top, width, height);
        box->setTag(QString::fromLatin1(tag));
        return box;
    };
    TOut[0] = single(3750, 120, 2880, 300, "name");
    CoOut = place(new QComboBox(this), 3750, 510, 2865, 300);
    auto* dll = single(3750, 870, 2880, 300, "libsclass");
    setBackground(dll, kInactiveBorder);
    TOut[1] = dll;
    // The ID box only shows which record is on view: saving and deleting
    // find the row by its text, so it takes no typing.
    auto* id = single(7350, 900, 585, 270, "ID");
    setBackground(id, kInactiveBorder);
    id->setReadOnly(true);
    // The box is narrow: a point smaller keeps "NotSet" and six-digit IDs whole.
    QFont idFont = id->font();
    idFont.setPointSizeF(idFont.pointSizeF() - 1);
    id->setFont(idFont);
    id->setText(QStringLiteral("NotSet"));
    TOut[7] = id;

    static const char* gotoCaptions[] = {"|<", "<", ">", ">|"};
    static const int gotoLefts[] = {8070, 8370, 8640, 8940};
    for (std::size_t i = 0; i < Goto.size(); ++i)
        Goto[i] = place(new QPushButton(QString::fromLatin1(gotoCaptions[i]), this), gotoLefts[i], 900, 315, 285);

    Ch95 = place(new QCheckBox(QStringLiteral("Window95/98/Me"), this), 3780, 1290, 1755, 225);
    ChNT = place(new QCheckBox(QStringLiteral("WinNT/2000/XP"), this), 5610, 1290, 1665, 255);
    Ch95->setProperty("tag", QStringLiteral("win95"));
    ChNT->setProperty("tag", QStringLiteral("winnt"));

    TOut[2] = multi(3750, 1650, 7650, 930, "explain");
    TOut[3] = multi(3750, 2610, 7650, 1170, "declare");
    Option1[0] = place(new QRadioButton(QStringLiteral("VB"), this), 3030, 2940, 705, 225);
    Option1[1] = place(new QRadioButton(QStringLiteral("C#"), this), 3030, 3240, 705, 225);
    Option1[0]->setChecked(true);
    Command6 = place(new QPushButton(QStringLiteral("放大"), this), 10080, 3480, 555, 285);
    Command3 = place(new QPushButton(QStringLiteral("复制"), this), 10620, 3480, 525, 285);
    TOut[4] = multi(3750, 3810, 7650, 1410, "parameter");
    TOut[5] = multi(3750, 5250, 7650, 1110, "recode");
    TOut[6] = multi(3750, 6420, 7650, 690, "returned");
    Command1 = place(new QPushButton(QStringLiteral("添加"), this), 9210, 7080, 855, 315);
    Command7 = place(new QPushButton(QStringLiteral("删除"), this), 8370, 7080, 855, 315);
    Command2 = place(new QPushButton(QStringLiteral("保存修改"), this), 10230, 7080, 1155, 315);

    Advertise1 = new Advertise(env_, this);
    Advertise1->move(px(9180), 0);

    Timer1 = new QTimer(this);
    Timer1->setInterval(500);

    // Buttons stay above the detail boxes they sit on.
    Command6->raise();
    Command3->raise();

    // Tab order: the layout's tab indexes, focusable controls only.
    QWidget* order[] = {T, CoLei, CoDll, L, TOut[0]->widget(), CoOut, TOut[1]->widget(), Ch95, ChNT,
                        TOut[2]->widget(), TOut[3]->widget(), TOut[4]->widget(), TOut[5]->widget(),
                        TOut[6]->widget(), Command6, Command3, Command7, Command1, Command2, Command5,
                        TOut[7]->widget(), Goto[0], Goto[1], Goto[2], Goto[3], Option1[0], Option1[1],
                        Advertise1};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

}  // namespace tolvane
