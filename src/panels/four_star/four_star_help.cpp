// The four-star panel's help buttons (C_234_sm 34 to 54 and 59 to 61): on
// the title line of the group they explain, or beside the caption of a
// condition that has no group of its own.
#include "panels/four_star/four_star_panel.hpp"

#include "shell/help_button.hpp"

#include <QGroupBox>
#include <QPushButton>

namespace sorvanta::ui {

void FourStarPanel::addTitleHelp(QGroupBox* box, const QList<int>& indexes) {
    if (!box)
        return;
    QList<QPushButton*> buttons;
    for (int index : indexes) {
        QString caption = QStringLiteral("说明");
        if (index == 59)
            caption = QStringLiteral("胆码说明");
        else if (index == 60 || index == 61)
            caption = QStringLiteral("使用技巧");
        buttons << kit_.addHelp(index, box, caption);
    }
    PutInTitleLine(box, buttons);
}

void FourStarPanel::placeTitleHelp() {
    addTitleHelp(pages[0], {34});
    addTitleHelp(pages[1], {35});
    addTitleHelp(pages[5], {41});
    addTitleHelp(pages[6], {61, 42});
    addTitleHelp(pages[7], {60, 43});
    const struct {
        const char* group;
        QList<int> indexes;
    } groups[] = {
        {"positionKillGroup", {44}}, {"digitKillGroup", {45}},    {"bankerGroup", {59, 46}},
        {"shapeRatioGroup", {47}},   {"specialShapeGroup", {48}}, {"shapePatternGroup", {49}},
        {"routePatternGroup", {50}}, {"runRepeatGroup", {52}},
    };
    for (const auto& group : groups)
        addTitleHelp(findChild<QGroupBox*>(QString::fromLatin1(group.group)), group.indexes);
}

} // namespace sorvanta::ui
