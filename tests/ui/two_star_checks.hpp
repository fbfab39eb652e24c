// What the two-star window tests share: the panel's input compared field by
// field, an input with every control away from its start, and a started
// window in two-star mode with the gestures the tests drive it with.
#pragma once

#include "input_checks.hpp"
#include "window_test.hpp"

#include "app/fmain.hpp"
#include "engine23/two_star_input.hpp"
#include "panels/two_star/two_star_panel.hpp"
#include "shell/colour_button.hpp"
#include "shell/message_box.hpp"
#include "shell/range_control.hpp"
#include "shell/text_boxes.hpp"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QString>
#include <QStringList>
#include <QTest>

#include <initializer_list>
#include <memory>

namespace sorvanta::test {

using two::TwoStarInput;

inline const QString kKillListHint = QStringLiteral("双击清空");
inline const QString kTwoStarBaseHint = QStringLiteral("大底号码，双击清空");

template <std::size_t N = 10> std::bitset<N> values(std::initializer_list<int> list) {
    std::bitset<N> set;
    for (int v : list)
        set.set(static_cast<std::size_t>(v));
    return set;
}

// What the panel reads before anyone touched it: the list boxes' hints.
// The boxes show their hints, which are no input.
inline TwoStarInput twoStarStartInput() {
    return {};
}

// Every control of the panel away from its starting state.
inline TwoStarInput twoStarRichInput() {
    TwoStarInput in;
    in.banker_rows[0] = {values({3, 8}), values({1})};
    in.banker_rows[1] = {values({5}), values({})};
    in.banker_rows[2] = {values({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}), values({0, 1, 2})};
    in.banker_count_repeats = true;
    in.banker_tolerance = {"1", "2"};
    in.kill_spans = values({0, 9});
    in.kill_sums = values<19>({0, 9, 10, 18});
    in.position_kill = {values({1}), values({2, 3})};
    in.position_kill_tolerance = {"0", "1"};
    in.compound_exclusion = {values({4}), values({5, 6})};
    in.shapes.big_small = {"大大", "小小"};
    in.shapes.odd_even = {"单双"};
    in.shapes.prime_composite = {"质合", "合合"};
    in.shapes.route012 = {"00", "12", "22"};
    in.shapes_tolerance = {"2a", "-3"};
    in.special_shapes = {"杀对子", "杀十<个"};
    in.special_shapes_tolerance = {"1", "5"};
    in.kill_list = "05 55 x9";
    in.base_set = "00 01\n大底 12";
    in.total_tolerance = {"0", "5"};
    return in;
}

// A started window in two-star mode whose range controls have settled.
// Widgets are found by object name; a missing one ends the run.
class TwoStarWindowTest : public WindowTest {
protected:
    ui::TwoStarPanel* panel = nullptr;

    void startWindow() {
        openWindow();
        QTest::mouseClick(find<QAbstractButton>(QStringLiteral("C_ding_0")), Qt::LeftButton);
        panel = find<ui::TwoStarPanel>(QStringLiteral("Pic_di_0"));
        waitForRanges(panel);
    }

    ui::ColourButton* colourButton(const QString& array, int index) const {
        return find<ui::ColourButton>(QStringLiteral("%1_%2").arg(array).arg(index));
    }
    void click(const QString& name) const {
        QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton);
    }
    void press(int command) const { click(QStringLiteral("C_2x3x_gn_%1").arg(command)); }
    QString result() const { return panel->resultText(); }
    QString count() const { return find<QLabel>(QStringLiteral("Lzhushu_1"))->text(); }
};

// "00 01 … 99" less the numbers named.
inline QString allTwoStarBut(std::initializer_list<int> left_out = {}) {
    QStringList numbers;
    for (int n = 0; n < 100; ++n)
        if (std::find(left_out.begin(), left_out.end(), n) == left_out.end())
            numbers << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    return numbers.join(u' ');
}

} // namespace sorvanta::test
