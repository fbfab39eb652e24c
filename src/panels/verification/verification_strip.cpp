#include "panels/verification/verification_strip.hpp"

#include "reset/condition_reset.hpp"
#include "shell/clear_button.hpp"
#include "shell/colour_button.hpp"
#include "shell/control_registry.hpp"
#include "shell/mycode.hpp"
#include "shell/text_boxes.hpp"
#include "shell/twips.hpp"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace sorvanta::ui {

namespace {
const char* const kPositions[5] = {"万", "千", "百", "十", "个"};
}

VerificationStrip::VerificationStrip(ControlRegistry& controls, QButtonGroup* commands,
                                     QButtonGroup* clearButtons, QWidget* parent)
    : QFrame(parent), controls_(controls) {
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(4, 4, 4, 4);
    v->setSpacing(4);

    // The draw history and its omission grid fill the upper part.
    auto* history = new QWidget(this);
    history->setObjectName(QStringLiteral("historyArea"));
    v->addWidget(history, 1);

    auto addCommand = [&](QWidget* owner, int index, const QString& caption) {
        auto* b = new QPushButton(caption, owner);
        b->setAutoDefault(false);
        controls_.add(QStringLiteral("C_guolv_ks"), index, b);
        commands->addButton(b, index);
        return b;
    };
    auto addPositionRow = [&](QWidget* owner, int first) {
        auto* row = new QHBoxLayout;
        row->setSpacing(2);
        for (int k = 0; k < 5; ++k) {
            const int index = first + k;
            auto* b = new ColourButton(QString::fromUtf8(kPositions[k]), owner,
                                       (k == 0) ? Colour::Off : Colour::On);
            b->setFixedWidth(twips(540));
            controls_.add(QStringLiteral("C_wz"), index, b);
            C_wz.insert(index, b);
            connect(b, &QPushButton::clicked, this, [this, b, index] {
                SetButtonColor_diandong(b, 3, Colour::On, Colour::Off);
                if (index < 5)
                    emit verifyPositionToggled();
            });
            row->addWidget(b);
        }
        row->addStretch(1);
        return row;
    };

    auto* verify = new QGroupBox(this);
    verify->setObjectName(QStringLiteral("verifyGroup"));
    auto* vv = new QVBoxLayout(verify);
    vv->setContentsMargins(4, 4, 4, 4);
    vv->setSpacing(3);
    vv->addWidget(new QLabel(QStringLiteral("选择要验证的号码位置"), verify));
    vv->addLayout(addPositionRow(verify, 0));
    verifyBox = new TextBox(QString(), verify);
    controls_.add(QStringLiteral("T_cs_ip"), 5, verifyBox);
    verifyBox->setFixedHeight(twips(1300));
    vv->addWidget(verifyBox);
    auto* verifyButtons = new QHBoxLayout;
    verifyButtons->addWidget(addCommand(verify, 11, QStringLiteral("粘贴")));
    verifyButtons->addWidget(addCommand(verify, 12, QStringLiteral("开始验证")));
    vv->addLayout(verifyButtons);
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(new QLabel(QStringLiteral("注数="), verify));
    L_zs[0] = new QLabel(QStringLiteral("0"), verify);
    controls_.add(QStringLiteral("L_zs"), 0, L_zs[0]);
    countRow->addWidget(L_zs[0], 1);
    countRow->addWidget(
        AddClearButton(controls_, clearButtons, 28, ClearButtonCaption(28), verify));
    vv->addLayout(countRow);
    const char* const results[4] = {"近5000期命中*", "近100期命中*", "近5000期最大连中*",
                                    "最大连挂*"};
    for (int i = 0; i < 4; ++i) {
        resultLabels[i] = new QLabel(QString::fromUtf8(results[i]), verify);
        resultLabels[i]->setObjectName(QStringLiteral("verifyResult_%1").arg(i));
        vv->addWidget(resultLabels[i]);
    }
    v->addWidget(verify);

    auto* extract = new QGroupBox(this);
    extract->setObjectName(QStringLiteral("extractGroup"));
    auto* ev = new QVBoxLayout(extract);
    ev->setContentsMargins(4, 4, 4, 4);
    ev->setSpacing(3);
    ev->addWidget(new QLabel(QStringLiteral("选择号码位置"), extract));
    ev->addLayout(addPositionRow(extract, 5));
    auto* drawRow = new QHBoxLayout;
    drawRow->addWidget(new QLabel(QStringLiteral("提取最近"), extract));
    drawCount = new LineBox(QStringLiteral("50"), extract);
    controls_.add(QStringLiteral("T_cs_ip"), 4, drawCount);
    drawCount->setFixedWidth(qMax(twips(600), drawCount->minimumSizeHint().width()));
    drawRow->addWidget(drawCount);
    drawRow->addWidget(new QLabel(QStringLiteral("期号码"), extract));
    drawRow->addStretch(1);
    ev->addLayout(drawRow);
    auto* extractButtons = new QHBoxLayout;
    extractButtons->addWidget(addCommand(extract, 13, QStringLiteral("开始提取")));
    extractButtons->addWidget(addCommand(extract, 14, QStringLiteral("复制号码")));
    ev->addLayout(extractButtons);
    auto* extractCount = new QHBoxLayout;
    extractCount->addWidget(new QLabel(QStringLiteral("注数"), extract));
    L_zs[1] = new QLabel(QStringLiteral("0"), extract);
    controls_.add(QStringLiteral("L_zs"), 1, L_zs[1]);
    extractCount->addWidget(L_zs[1], 1);
    extractCount->addWidget(
        AddClearButton(controls_, clearButtons, 30, ClearButtonCaption(30), extract));
    ev->addLayout(extractCount);
    extractBox = new TextBox(QString(), extract);
    controls_.add(QStringLiteral("T_cs_ip"), 6, extractBox);
    extractBox->setFixedHeight(twips(1100));
    ev->addWidget(extractBox);
    v->addWidget(extract);
}

void VerificationStrip::set_mode_positions(int mode) {
    verifyBox->clear();
    extractBox->clear();
    L_zs[0]->setText(QStringLiteral("0"));
    L_zs[1]->setText(QStringLiteral("0"));
    set_button_color(controls_, QStringLiteral("C_wz"), 0, 9, Colour::Off);
    const QString selected = mode == 0   ? QStringLiteral("3489")
                             : mode == 1 ? QStringLiteral("234789")
                                         : QStringLiteral("12346789");
    for (int k = 0; k <= 9; ++k)
        if (selected.contains(QChar(u'0' + k)))
            C_wz[k]->setBackColor(Colour::On);
}

} // namespace sorvanta::ui
