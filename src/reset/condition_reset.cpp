#include "reset/condition_reset.hpp"

#include "panels/four_star_panel.hpp"
#include "shell/base_number_box.hpp"
#include "shell/colour_button.hpp"
#include "shell/control_registry.hpp"
#include "shell/fmain.hpp"
#include "shell/mycode.hpp"
#include "shell/range_control.hpp"
#include "shell/text_boxes.hpp"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace sorvanta::ui {

namespace {

const QString kDingHint = QStringLiteral("\n双击清空");
const QString kSumHint = QStringLiteral("和值输入要保持2位数，例如：00 05 08 16");
const QString kBaseSetHint = QStringLiteral("大底号码，双击清空");

void setText(QWidget* box, const QString& text) {
    if (auto* edit = qobject_cast<QPlainTextEdit*>(box))
        edit->setPlainText(text);
    else if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(box))
        label->setText(text);
    else if (auto* list = qobject_cast<QComboBox*>(box))
        list->setEditText(text);
}

void uncheck(const ControlRegistry& controls, const QString& name, int first, int last) {
    const auto elements = controls.array(name);
    for (auto it = elements.lowerBound(first); it != elements.end() && it.key() <= last; ++it)
        if (auto* box = qobject_cast<QAbstractButton*>(it.value()))
            box->setChecked(false);
}

void restoreRange(const ControlRegistry& controls, int index) {
    if (auto* range = controls.at<RangeControl>(QStringLiteral("ucf_rc"), index))
        range->a_huanyuan(0, 0);
}

void clearSpliceBoxes(const ControlRegistry& controls, int first, int last, int keepOption,
                      int range) {
    for (int i = first; i <= last; ++i)
        if (auto* box = controls.at<BaseNumberBox>(QStringLiteral("ucf_ssc23x1"), i))
            box->a_cls_all();
    if (auto* keep = controls.at<QAbstractButton>(QStringLiteral("Option_sx"), keepOption))
        keep->setChecked(true);
    restoreRange(controls, range);
}

} // namespace

QString ClearButtonCaption(int code) {
    if (code >= 13 && code <= 19)
        return QStringLiteral("全");
    if (code == 34 || code == 35)
        return QStringLiteral("全清");
    return QStringLiteral("清");
}

QPushButton* AddClearButton(ControlRegistry& controls, QButtonGroup* clearButtons, int code,
                            QWidget* parent) {
    auto* button = new QPushButton(ClearButtonCaption(code), parent);
    button->setAutoDefault(false);
    controls.add(QStringLiteral("C_cls"), code, button);
    if (clearButtons)
        clearButtons->addButton(button, code);
    // As small as the caption allows: most sit at the ends of button rows.
    const QFontMetrics fm(button->font());
    button->setFixedSize(fm.horizontalAdvance(button->text()) + 6, fm.height() + 4);
    return button;
}

void EmptyBox(QWidget* box) {
    setText(box, QString());
}

void ResetConditionGroup(Fmain& window, int code) {
    const ControlRegistry& controls = window.controls();
    const auto text = [&](const char* name, int index) {
        return controls.widget(QString::fromLatin1(name), index);
    };
    const auto colour = [&](const char* name, int first, int last, int value) {
        set_button_color(controls, QString::fromLatin1(name), first, last, value);
    };
    if (code >= 0 && code <= 3) {
        uncheck(controls, QStringLiteral("Check_hewei_sha1"), 10 * code, 10 * code + 9);
    } else if (code >= 9 && code <= 12) {
        const int row = code - 9;
        colour("C_danzu", 10 * row, 10 * row + 9, Colour::Off);
        colour("C_danzu_gs", 5 * row, 5 * row + 4, Colour::Off);
    } else if (code >= 13 && code <= 16) {
        const int row = code - 13;
        colour("C_danzu", 10 * row, 10 * row + 9, Colour::On);
    } else if (code >= 17 && code <= 19) {
        const int kind = code - 17;
        colour("C_bi", 5 * kind, 5 * kind + 4, Colour::On);
    } else if (code >= 20 && code <= 22) {
        const int kind = code - 20;
        colour("C_bi", 5 * kind, 5 * kind + 4, Colour::Off);
    }
    switch (code) {
    case 4:
        uncheck(controls, QStringLiteral("Check_hewei_sha"), 0, 9);
        break;
    case 5:
        EmptyBox(text("T_cs_ip", 0));
        break;
    case 6:
        uncheck(controls, QStringLiteral("Check_kuadu_sha"), 0, 9);
        break;
    case 7:
        uncheck(controls, QStringLiteral("Check_tsm_sha"), 0, 9);
        break;
    case 8:
        uncheck(controls, QStringLiteral("Check_ac_sha"), 0, 5);
        break;
    case 23:
        colour("C_bi", 15, 20, Colour::Off);
        break;
    case 24:
        EmptyBox(text("T_jj", 0));
        break;
    case 25:
        colour("C_bi", 21, 36, Colour::Off);
        break;
    case 26:
        EmptyBox(text("T_jj", 1));
        break;
    case 27:
        colour("C_bi", 37, 52, Colour::Off);
        break;
    case 28:
        EmptyBox(text("T_cs_ip", 5));
        setText(text("L_zs", 0), QStringLiteral("0"));
        window.RunFourStarCommand(12);
        break;
    case 29:
        colour("C_bi", 53, 68, Colour::Off);
        break;
    case 30:
        EmptyBox(text("T_cs_ip", 6));
        setText(text("L_zs", 1), QStringLiteral("0"));
        break;
    case 31:
        colour("C_bi", 69, 149, Colour::Off);
        break;
    case 32:
        colour("C_max", 0, 17, Colour::Off);
        break;
    case 33:
        EmptyBox(text("T_ding", 1));
        restoreRange(controls, 2);
        break;
    case 34:
        clearSpliceBoxes(controls, 0, 5, 0, 5);
        break;
    case 35:
        clearSpliceBoxes(controls, 6, 9, 2, 6);
        break;
    default:
        break;
    }
}

void ResetConditionPanel(Fmain& window) {
    const ControlRegistry& controls = window.controls();
    FourStarPanel* panel = window.fourStar();

    panel->winCheckBox->clear();
    panel->L_duijiang_news->setText(QStringLiteral("【中奖查询】"));

    EmptyBox(controls.widget(QStringLiteral("T_ding"), 0));
    for (int i = 1; i <= 6; ++i)
        setText(controls.widget(QStringLiteral("T_ding"), i), kDingHint);

    // The select-all codes, the intersection lists, the verification with
    // its automatic run and the extraction result are left alone.
    static const QList<int> skipped = {13, 14, 15, 16, 17, 18, 19, 24, 26, 28, 30};
    for (int code = 0; code <= 32; ++code)
        if (!skipped.contains(code))
            ResetConditionGroup(window, code);

    setText(controls.widget(QStringLiteral("T_cs_ip"), 0), kSumHint);
    set_button_color(controls, QStringLiteral("C_bi"), 150, 158, Colour::Off);
    setText(controls.widget(QStringLiteral("T_cs_ip"), 3), kBaseSetHint);
    for (int i = 0; i <= 5; ++i)
        setText(controls.widget(QStringLiteral("Com_rc"), i), QStringLiteral("0"));
    for (int i = 0; i <= 2; ++i)
        EmptyBox(controls.widget(QStringLiteral("T_jj"), i));
    setText(panel->Ljiaoji_zhushu, QStringLiteral("0"));
    set_button_color(controls, QStringLiteral("C_max"), 0, 17, Colour::Off);
    for (int i = 0; i <= 4; ++i)
        restoreRange(controls, i);
    ResetConditionGroup(window, 34);
    ResetConditionGroup(window, 35);

    window.clearFourStarResult();
    panel->invertButton->setBackColor(Colour::LightGreen);
    if (QWidget* picture = controls.widget(QStringLiteral("Picbb"), 9)) {
        picture->show();
        picture->raise();
    }
}

} // namespace sorvanta::ui
