// The record panel's controls: where each sits, its name for assistive
// tools, its colours and the order Tab takes through them.
#include "gui/record_boxes.h"
#include "gui/record_panel.h"
#include "gui/window_layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace tolvane {
namespace {

const QColor kInactiveBorder(212, 208, 200);

struct LabelSpec {
    const char* text;
    int left, top, width, height;
};

QPushButton* button(QWidget& window, const char* objectName, const QString& text, int left, int top,
                    int width, int height) {
    auto* b = place(new QPushButton(text, &window), left, top, width, height);
    b->setObjectName(QLatin1String(objectName));
    return b;
}

}  // namespace

void RecordPanel::createControls(QWidget& window) {
    static const LabelSpec labels[] = {
        {"名称：", 2670, 150, 1080, 225},    {"类别：", 2670, 570, 1080, 225},
        {"DLL文件：", 2670, 900, 1080, 225}, {"支持系统：", 2670, 1290, 1080, 225},
        {"说明：", 2670, 1650, 1080, 225},   {"声明：", 2670, 2640, 1080, 225},
        {"参数：", 2670, 3840, 1080, 225},   {"示例代码：", 2670, 5280, 1080, 225},
        {"返回值：", 2670, 6390, 1080, 225}, {"ID：", 6990, 930, 450, 195},
    };
    for (std::size_t i = 0; i < fieldLabels_.size(); ++i) {
        const LabelSpec& s = labels[i];
        fieldLabels_[i] =
            place(new QLabel(QString::fromUtf8(s.text), &window), s.left, s.top, s.width, s.height);
        fieldLabels_[i]->setObjectName(QStringLiteral("fieldLabel%1").arg(i));
        if (i + 1 < fieldLabels_.size())
            fieldLabels_[i]->setAlignment(Qt::AlignRight | Qt::AlignTop);
    }
    for (int i = 0; i < kDetailBoxCount; ++i) {
        const BoxSpec& s = kBoxes[i];
        DetailBox* box = s.multiLine ? static_cast<DetailBox*>(new MultiLineBox(&window))
                                     : static_cast<DetailBox*>(new SingleLineBox(&window));
        place(box->widget(), s.left, s.top, s.width, s.height);
        box->widget()->setObjectName(QLatin1String(s.objectName));
        detailBoxes_[i] = box;
    }
    // The ID box only shows which record is on view: it takes no typing.
    auto* id = static_cast<SingleLineBox*>(detailBoxes_[kIdBox]);
    id->setReadOnly(true);
    // The box is narrow: a point smaller keeps "NotSet" and six-digit IDs whole.
    QFont idFont = id->font();
    idFont.setPointSizeF(idFont.pointSizeF() - 1);
    id->setFont(idFont);
    id->setText(QStringLiteral("NotSet"));

    categoryBox_ = place(new QComboBox(&window), 3750, 510, 2865, 300);
    categoryBox_->setObjectName(QStringLiteral("categoryBox"));
    win95Check_ =
        place(new QCheckBox(QStringLiteral("Window95/98/Me"), &window), 3780, 1290, 1755, 225);
    win95Check_->setObjectName(QStringLiteral("win95Check"));
    winntCheck_ =
        place(new QCheckBox(QStringLiteral("WinNT/2000/XP"), &window), 5610, 1290, 1665, 255);
    winntCheck_->setObjectName(QStringLiteral("winntCheck"));

    static const char* const navigationNames[] = {"firstButton", "previousButton", "nextButton",
                                                  "lastButton"};
    static const char* const navigationCaptions[] = {"|<", "<", ">", ">|"};
    static const char* const navigationTexts[] = {"第一条", "上一条", "下一条", "最后一条"};
    static const int navigationLefts[] = {8070, 8370, 8640, 8940};
    for (std::size_t i = 0; i < navigationButtons_.size(); ++i) {
        navigationButtons_[i] =
            button(window, navigationNames[i], QString::fromLatin1(navigationCaptions[i]),
                   navigationLefts[i], 900, 315, 285);
        navigationButtons_[i]->setAccessibleName(QString::fromUtf8(navigationTexts[i]));
        navigationButtons_[i]->setToolTip(QString::fromUtf8(navigationTexts[i]));
    }

    static const char* const formNames[] = {"vbFormButton", "csharpFormButton", "vba64FormButton"};
    static const char* const formCaptions[] = {"VB", "C#", "VBA64"};
    // From the labels' left edge, wide enough for "VBA64" in the window's font.
    for (int i = 0; i < kFormCount; ++i) {
        formButtons_[i] = place(new QRadioButton(QString::fromLatin1(formCaptions[i]), &window),
                                2700, 2940 + 300 * i, 1035, 270);
        formButtons_[i]->setObjectName(QLatin1String(formNames[i]));
    }
    // Enabled at start-up when the catalogue has the 64-bit VBA column.
    formButtons_[kVba64Form]->setEnabled(false);
    formButtons_[kVbForm]->setChecked(true);

    zoomButton_ = button(window, "zoomButton", QStringLiteral("放大"), 10080, 3480, 555, 285);
    copyButton_ = button(window, "copyButton", QStringLiteral("复制"), 10620, 3480, 525, 285);
    addButton_ = button(window, "addButton", QStringLiteral("添加"), 9210, 7080, 855, 315);
    deleteButton_ = button(window, "deleteButton", QStringLiteral("删除"), 8370, 7080, 855, 315);
    saveButton_ = button(window, "saveButton", QStringLiteral("保存修改"), 10230, 7080, 1155, 315);
    // Buttons stay above the detail boxes they sit on.
    zoomButton_->raise();
    copyButton_->raise();
    nameControls();
    applyColours();
}

// The grey DLL and ID boxes.
void RecordPanel::applyColours() {
    setBackground(detailBoxes_[kDllBox]->widget(), kInactiveBorder);
    setBackground(detailBoxes_[kIdBox]->widget(), kInactiveBorder);
}

// Each control takes its label's text (without the colon) as its accessible
// name, and the label leads to it.
void RecordPanel::nameControls() {
    const DetailBoxes& d = detailBoxes_;
    QWidget* const labelled[] = {
        d[kNameBox]->widget(),        categoryBox_,
        d[kDllBox]->widget(),         nullptr,  // the check boxes carry their own texts
        d[kExplanationBox]->widget(), d[kDeclarationBox]->widget(),
        d[kParametersBox]->widget(),  d[kSampleCodeBox]->widget(),
        d[kReturnValueBox]->widget(), d[kIdBox]->widget()};
    for (std::size_t i = 0; i < fieldLabels_.size(); ++i) {
        if (!labelled[i]) continue;
        fieldLabels_[i]->setBuddy(labelled[i]);
        QString name = fieldLabels_[i]->text();
        name.chop(1);  // "："
        labelled[i]->setAccessibleName(name);
    }
}

QList<QWidget*> RecordPanel::tabOrder(QWidget* afterEditing) const {
    const DetailBoxes& d = detailBoxes_;
    QList<QWidget*> order = {d[kNameBox]->widget(),
                             categoryBox_,
                             d[kDllBox]->widget(),
                             win95Check_,
                             winntCheck_,
                             d[kExplanationBox]->widget(),
                             d[kDeclarationBox]->widget(),
                             d[kParametersBox]->widget(),
                             d[kSampleCodeBox]->widget(),
                             d[kReturnValueBox]->widget(),
                             zoomButton_,
                             copyButton_,
                             deleteButton_,
                             addButton_,
                             saveButton_,
                             afterEditing,
                             d[kIdBox]->widget()};
    for (QPushButton* b : navigationButtons_) order << b;
    for (QRadioButton* b : formButtons_) order << b;
    return order;
}

}  // namespace tolvane
