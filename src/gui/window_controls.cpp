// The window's controls at their fixed places (twips, converted to pixels).
#include "gui/window_controls.h"

#include "gui/banner_view.h"
#include "gui/result_list.h"
#include "gui/result_list_view.h"
#include "gui/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
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

// Object names, by which tests and tools find the controls.
void nameControls(const WindowControls& c) {
    const std::pair<QObject*, const char*> named[] = {
        {c.patternBox, "patternBox"},
        {c.categoryFilter, "categoryFilter"},
        {c.dllFilter, "dllFilter"},
        {c.fullTextButton, "fullTextButton"},
        {c.resultList, "resultList"},
        {c.resultModel, "resultModel"},
        {c.statusLine, "statusLine"},
        {c.categoryBox, "categoryBox"},
        {c.win95Check, "win95Check"},
        {c.winntCheck, "winntCheck"},
        {c.addButton, "addButton"},
        {c.saveButton, "saveButton"},
        {c.deleteButton, "deleteButton"},
        {c.copyButton, "copyButton"},
        {c.zoomButton, "zoomButton"},
        {c.searchDelay, "searchDelay"},
        {c.banner, "banner"},
        {c.formButtons[kVbForm], "vbFormButton"},
        {c.formButtons[kCSharpForm], "csharpFormButton"},
        {c.formButtons[kVba64Form], "vba64FormButton"},
        {c.navigationButtons[kFirstRecord], "firstButton"},
        {c.navigationButtons[kPreviousRecord], "previousButton"},
        {c.navigationButtons[kNextRecord], "nextButton"},
        {c.navigationButtons[kLastRecord], "lastButton"},
    };
    for (const auto& [control, name] : named) control->setObjectName(QLatin1String(name));
    static const char* boxNames[kDetailBoxCount] = {
        "nameBox",       "dllBox",        "explanationBox", "declarationBox",
        "parametersBox", "sampleCodeBox", "returnValueBox", "idBox"};
    for (int i = 0; i < kDetailBoxCount; ++i)
        c.detailBoxes[i]->widget()->setObjectName(QLatin1String(boxNames[i]));
    for (std::size_t i = 0; i < c.fieldLabels.size(); ++i)
        c.fieldLabels[i]->setObjectName(QStringLiteral("fieldLabel%1").arg(i));
}

// The largest font size at which a line of text, descenders included, fits
// the label's height.
void fitFontToHeight(QLabel& label) {
    QFont font = label.font();
    for (int size = QFontInfo(font).pixelSize(); size > 6; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).height() <= label.height()) break;
    }
    label.setFont(font);
}

// The largest font size, down to 8 pixels, at which the button's text fits
// its width beside the indicator.
void fitFontToWidth(QAbstractButton& button) {
    QFont font = button.font();
    for (int size = QFontInfo(font).pixelSize(); size >= 8; --size) {
        font.setPixelSize(size);
        button.setFont(font);
        if (button.sizeHint().width() <= button.width()) break;
    }
}

struct LabelSpec {
    const char* text;
    int left, top, width, height;
};

}  // namespace

WindowControls createControls(QWidget& window, const Env& env) {
    WindowControls c;
    window.setWindowTitle(QStringLiteral("Tolvane"));
    window.setWindowIcon(makeIcon());
    window.setFixedSize(px(kClientWidth), px(kClientHeight));

    c.patternBox = place(new QComboBox(&window), 90, 90, 2445, 300);
    c.patternBox->setEditable(true);
    c.patternBox->setInsertPolicy(QComboBox::NoInsert);
    // The search runs on exactly what was typed: no inline completion, and no
    // swapping the text for a preset spelled alike in another case when Enter
    // is pressed or the box loses the focus. A preset is put in only when it
    // is picked from the list.
    c.patternBox->setCompleter(nullptr);
    QObject::disconnect(c.patternBox->lineEdit(), &QLineEdit::returnPressed, c.patternBox, nullptr);
    QObject::disconnect(c.patternBox->lineEdit(), &QLineEdit::editingFinished, c.patternBox,
                        nullptr);
    setBackground(c.patternBox, kPatternBackground);
    c.categoryFilter = place(new QComboBox(&window), 90, 450, 2445, 300);
    c.dllFilter = place(new QComboBox(&window), 90, 840, 2445, 300);
    c.fullTextButton =
        place(new QPushButton(QStringLiteral("在所有信息中找"), &window), 60, 1200, 2475, 345);

    c.resultList = place(new ResultListView(&window), 120, 1560, 2445, 5820);
    c.resultModel = new ResultListModel(c.resultList);
    c.resultList->setModel(c.resultModel);
    c.resultList->setUniformItemSizes(true);
    // A list of a million entries is laid out a slice at a time, so the
    // window keeps answering while a long result arrives.
    c.resultList->setLayoutMode(QListView::Batched);
    c.resultList->setBatchSize(20000);
    c.resultList->setSelectionMode(QAbstractItemView::SingleSelection);
    c.resultList->setEditTriggers(QAbstractItemView::NoEditTriggers);

    c.statusLine = place(new QLabel(&window), 60, 7410, 5565, 165);
    fitFontToHeight(*c.statusLine);
    QPalette sp = c.statusLine->palette();
    sp.setColor(QPalette::WindowText, Qt::blue);
    c.statusLine->setPalette(sp);

    static const LabelSpec labels[] = {
        {"名称：", 2670, 150, 1080, 225},    {"类别：", 2670, 570, 1080, 225},
        {"DLL文件：", 2670, 900, 1080, 225}, {"支持系统：", 2670, 1290, 1080, 225},
        {"说明：", 2670, 1650, 1080, 225},   {"声明：", 2670, 2640, 1080, 225},
        {"参数：", 2670, 3840, 1080, 225},   {"示例代码：", 2670, 5280, 1080, 225},
        {"返回值：", 2670, 6390, 1080, 225}, {"ID：", 6990, 930, 450, 195},
    };
    for (std::size_t i = 0; i < c.fieldLabels.size(); ++i) {
        const LabelSpec& s = labels[i];
        c.fieldLabels[i] =
            place(new QLabel(QString::fromUtf8(s.text), &window), s.left, s.top, s.width, s.height);
        if (i < 9) c.fieldLabels[i]->setAlignment(Qt::AlignRight | Qt::AlignTop);
    }

    auto single = [&window](int left, int top, int width, int height, const char* tag) {
        auto* box = place(new SingleLineBox(&window), left, top, width, height);
        box->setTag(QString::fromLatin1(tag));
        return box;
    };
    auto multi = [&window](int left, int top, int width, int height, const char* tag) {
        auto* box = place(new MultiLineBox(&window), left, top, width, height);
        box->setTag(QString::fromLatin1(tag));
        return box;
    };
    c.detailBoxes[kNameBox] = single(3750, 120, 2880, 300, "name");
    c.categoryBox = place(new QComboBox(&window), 3750, 510, 2865, 300);
    auto* dll = single(3750, 870, 2880, 300, "libsclass");
    setBackground(dll, kInactiveBorder);
    c.detailBoxes[kDllBox] = dll;
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
    c.detailBoxes[kIdBox] = id;

    static const char* gotoCaptions[] = {"|<", "<", ">", ">|"};
    static const int gotoLefts[] = {8070, 8370, 8640, 8940};
    for (std::size_t i = 0; i < c.navigationButtons.size(); ++i)
        c.navigationButtons[i] =
            place(new QPushButton(QString::fromLatin1(gotoCaptions[i]), &window), gotoLefts[i], 900,
                  315, 285);

    c.win95Check =
        place(new QCheckBox(QStringLiteral("Window95/98/Me"), &window), 3780, 1290, 1755, 225);
    c.winntCheck =
        place(new QCheckBox(QStringLiteral("WinNT/2000/XP"), &window), 5610, 1290, 1665, 255);
    c.win95Check->setProperty("tag", QStringLiteral("win95"));
    c.winntCheck->setProperty("tag", QStringLiteral("winnt"));

    c.detailBoxes[kExplanationBox] = multi(3750, 1650, 7650, 930, "explain");
    c.detailBoxes[kDeclarationBox] = multi(3750, 2610, 7650, 1170, "declare");
    c.formButtons[kVbForm] =
        place(new QRadioButton(QStringLiteral("VB"), &window), 3030, 2940, 705, 225);
    c.formButtons[kCSharpForm] =
        place(new QRadioButton(QStringLiteral("C#"), &window), 3030, 3240, 705, 225);
    // Enabled at start-up when the catalogue has the 64-bit VBA column.
    c.formButtons[kVba64Form] =
        place(new QRadioButton(QStringLiteral("VBA64"), &window), 3030, 3540, 705, 225);
    c.formButtons[kVba64Form]->setEnabled(false);
    fitFontToWidth(*c.formButtons[kVba64Form]);
    c.formButtons[kVbForm]->setChecked(true);
    c.zoomButton = place(new QPushButton(QStringLiteral("放大"), &window), 10080, 3480, 555, 285);
    c.copyButton = place(new QPushButton(QStringLiteral("复制"), &window), 10620, 3480, 525, 285);
    c.detailBoxes[kParametersBox] = multi(3750, 3810, 7650, 1410, "parameter");
    c.detailBoxes[kSampleCodeBox] = multi(3750, 5250, 7650, 1110, "recode");
    c.detailBoxes[kReturnValueBox] = multi(3750, 6420, 7650, 690, "returned");
    c.addButton = place(new QPushButton(QStringLiteral("添加"), &window), 9210, 7080, 855, 315);
    c.deleteButton = place(new QPushButton(QStringLiteral("删除"), &window), 8370, 7080, 855, 315);
    c.saveButton =
        place(new QPushButton(QStringLiteral("保存修改"), &window), 10230, 7080, 1155, 315);

    c.banner = new BannerView(env, &window);
    c.banner->move(px(9180), 0);

    c.searchDelay = new QTimer(&window);
    c.searchDelay->setInterval(500);

    // Buttons stay above the detail boxes they sit on.
    c.zoomButton->raise();
    c.copyButton->raise();

    nameControls(c);

    // Tab order: the layout's tab indexes, focusable controls only.
    const DetailBoxes& d = c.detailBoxes;
    const auto& go = c.navigationButtons;
    QWidget* order[] = {c.patternBox,
                        c.categoryFilter,
                        c.dllFilter,
                        c.resultList,
                        d[kNameBox]->widget(),
                        c.categoryBox,
                        d[kDllBox]->widget(),
                        c.win95Check,
                        c.winntCheck,
                        d[kExplanationBox]->widget(),
                        d[kDeclarationBox]->widget(),
                        d[kParametersBox]->widget(),
                        d[kSampleCodeBox]->widget(),
                        d[kReturnValueBox]->widget(),
                        c.zoomButton,
                        c.copyButton,
                        c.deleteButton,
                        c.addButton,
                        c.saveButton,
                        c.fullTextButton,
                        d[kIdBox]->widget(),
                        go[kFirstRecord],
                        go[kPreviousRecord],
                        go[kNextRecord],
                        go[kLastRecord],
                        c.formButtons[kVbForm],
                        c.formButtons[kCSharpForm],
                        c.formButtons[kVba64Form],
                        c.banner};
    for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
    return c;
}

}  // namespace tolvane
