// What the three-star window tests share: a started window with the
// three-star panel in front, the panel's input compared field by field, an
// input with every field away from its start, and the gestures the tests
// drive the panel with.
#pragma once

#include "input_checks.hpp"
#include "window_test.hpp"

#include "app/fmain.hpp"
#include "engine23/three_star_input.hpp"
#include "panels/three_star/three_star_panel.hpp"
#include "shell/colour_button.hpp"
#include "shell/message_box.hpp"
#include "shell/range_control.hpp"

#include <QAbstractButton>
#include <QComboBox>
#include <QSignalSpy>
#include <QString>
#include <QStringList>
#include <QTest>

#include <initializer_list>
#include <memory>

namespace sorvanta::test {

using three::ThreeStarInput;

inline star::DigitSet digits(std::initializer_list<int> list) {
    star::DigitSet set;
    for (int d : list)
        set.set(static_cast<std::size_t>(d));
    return set;
}

// Every field of the panel away from its starting state.
inline ThreeStarInput threeStarRichInput() {
    ThreeStarInput in;
    in.kill_direct = "123 45 6789";
    in.kill_group = "112";
    in.junk_compounds = "12*3*4\n5*6*7";
    in.junk_compounds_tolerance = {"0", "1"};
    in.kill_pairs = "12 21 88";
    in.kill_pairs_tolerance = {"1", "2"};
    in.require_pairs = "78";
    in.position_kill_pairs = {"62", "", "01 02"};
    in.position_kill_pairs_tolerance = {"0", "1"};
    in.position_require_pairs = {"", "98", ""};
    in.pair_sums.keep_sum = {"5", "", ""};
    in.pair_sums.exclude_sum = {"", "3 13", ""};
    in.pair_sums.keep_diff = {"", "", "0 1 2"};
    in.pair_sums.exclude_diff = {"9", "", ""};
    in.pair_sums.exclude_sum_tail = {"", "", "7"};
    in.any_two_sum_tails = digits({0, 5});
    in.any_two_diffs = digits({0});
    in.position_match = {"百大于个", "十等于十"};
    in.positional_bankers = {digits({6}), digits({7}), digits({8, 9}), digits({2})};
    in.broken_groups = "123-2354-6875=12";
    in.kill_sum_tails = digits({3});
    in.kill_spans = digits({0, 9});
    in.bankers = digits({6});
    in.bankers_at_least = 2;
    in.kill_sums.set(0).set(27);
    in.exclude_compound = {digits({1}), digits({2}), digits({3})};
    in.position_kill = {digits({5}), digits({}), digits({9})};
    in.position_kill_tolerance = {"1", "2"};
    in.banker_rows[0] = {digits({1, 2, 3}), digits({2})};
    in.banker_rows[3] = {digits({0, 9}), digits({0, 3})};
    in.banker_count_repeats = true;
    in.banker_tolerance = {"0", "1"};
    in.kill_shapes.big_small = {"大大大"};
    in.kill_shapes.odd_even = {"奇偶奇", "偶偶偶"};
    in.kill_shapes.prime_composite = {"合合合"};
    in.kill_shapes_tolerance = {"0", "2"};
    in.largest_digits = "789";
    in.smallest_digits = "01";
    in.keep_counts = {digits({1, 2}), digits({3}), digits({0})};
    in.exclude_routes = {"000", "222"};
    in.special_exclusions = {"豹子", "3连"};
    in.base_set = "123 456";
    in.base_set_group = true;
    in.must_keep = "999";
    in.total_tolerance = {"0", "3"};
    return in;
}

// The fixture of the three-star window suites: a started window in
// three-star mode whose range controls have settled. Widgets are found by
// object name; a missing one ends the run.
class ThreeStarWindowTest : public WindowTest {
protected:
    ui::ThreeStarPanel* panel = nullptr;

    void startWindow() {
        openWindow();
        window->switchMode(1);
        panel = window->findChild<ui::ThreeStarPanel*>();
        QVERIFY(panel);
        waitForRanges(panel);
    }

    // Brings the page that holds `w` to the front, as a player would before
    // clicking it.
    void reveal(QWidget* w) const {
        for (int page = 0; page < ui::ThreeStarPanel::kPageCount; ++page)
            if (panel->pageHolds(page, w))
                panel->switchPage(page);
    }
    void click(const QString& name) const {
        auto* button = find<QAbstractButton>(name);
        reveal(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void press(int command) const { click(QStringLiteral("C_2x3x_gn_%1").arg(command)); }
    QComboBox* list(int index) const {
        return find<QComboBox>(QStringLiteral("Cb_rc_%1").arg(index));
    }
    ui::ColourButton* tab(int page) const {
        return find<ui::ColourButton>(QStringLiteral("C_3x_ding_%1").arg(page));
    }
    QStringList shownTexts() const {
        QStringList texts;
        for (const ui::MessageBox::Shown& shown : ui::MessageBox::shown())
            texts << shown.title + QLatin1Char('|') + shown.text;
        return texts;
    }
};

} // namespace sorvanta::test
