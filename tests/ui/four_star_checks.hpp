// What the four-star window tests share: the panel's input compared field
// by field, an input with every control away from its start, and typing
// text that QTest::keyClicks cannot.
#pragma once

#include "input_checks.hpp"
#include "window_test.hpp"

#include "app/fmain.hpp"
#include "engine4/four_star_input.hpp"
#include "panels/four_star/four_star_panel.hpp"
#include "shell/base_number_box.hpp"
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
#include <QWidget>

#include <initializer_list>
#include <memory>

namespace sorvanta::test {

using four::FourStarInput;

inline const QString kDingHint = QStringLiteral("\n双击清空\n");
inline const QString kSumHint = QStringLiteral("和值输入要保持2位数，例如：00 05 08 16");
inline const QString kBaseSetHint = QStringLiteral("大底号码，双击清空");

inline four::DigitSet digits(std::initializer_list<int> list) {
    four::DigitSet set;
    for (int d : list)
        set.set(static_cast<std::size_t>(d));
    return set;
}

// Every control of the panel away from its starting state.
inline FourStarInput richInput() {
    FourStarInput in;
    in.kill_direct = "1234 5890\n6899,1479";
    in.junk_compounds = "12456789*45678901*3654987*234567890\n0*1*2*3";
    in.junk_compounds_tolerance = {"1", "2"};
    in.kill_pairs = "12 56";
    in.kill_pairs_tolerance = {"2a", "-3"};
    in.require_pairs = "89";
    in.kill_triples = "123 456 789";
    in.kill_triples_tolerance = {"0", "20"};
    in.require_triples = "116 杀 3码";
    in.kill_patterns = "12** **89 1*6*";
    in.position_kill = {digits({0}), digits({1, 2}), digits({}),
                        digits({9, 8, 7, 6, 5, 4, 3, 2, 1, 0})};
    in.position_kill_tolerance = {"1", "4"};
    in.kill_sum_tails = digits({0, 9});
    in.kill_sums = "00 05 08 16";
    in.kill_spans = digits({0, 5});
    in.kill_all_digits = digits({4});
    in.kill_ac = digits({1, 6});
    in.banker_rows[0] = {digits({3, 8}), digits({2})};
    in.banker_rows[1] = {digits({5}), digits({})};
    in.banker_rows[3] = {digits({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}), digits({0, 1, 2, 3, 4})};
    in.banker_count_repeats = true;
    in.banker_tolerance = {"0", "2"};
    in.ratio_big_small = {"1:3", "2:2"};
    in.ratio_odd_even = {"0:4"};
    in.ratio_prime_composite = {"0:4", "1:3", "2:2", "3:1", "4:0"};
    in.ratio_tolerance = {"1", "1"};
    in.special_shapes = {"上山", "反N形"};
    in.pattern_big_small = {"大大大大", "小小小小"};
    in.pattern_odd_even = {"奇偶奇偶"};
    in.pattern_prime_composite = {"质合合质", "合合合合"};
    in.pattern_route012 = {"0000", "0022", "2202", "2222", "1021"};
    in.pattern_tolerance = {"0", "1"};
    in.run_repeat = {"不连", "4连", "AABB", "ABCD"};
    in.smallest_digits = digits({0, 8});
    in.largest_digits = digits({1, 5, 9});
    in.two_star_splice = {"56", "", "01 02\n03", "大底 99", "", "88 88"};
    in.two_star_splice_delete = true;
    in.two_star_splice_tolerance = {"1", "5"};
    in.three_star_splice = {"123", "", "", "888 0x1"};
    in.three_star_splice_delete = true;
    in.three_star_splice_tolerance = {"x", "3"};
    in.base_set = "1234 1234 0012\n大底";
    in.total_tolerance = {"0", "12"};
    return in;
}

// keyClicks takes Latin-1 only; other characters arrive as key events that
// carry just their text, the way an input method delivers them.
inline void keyText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
            QTest::keyClicks(widget, QString(c));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// The fixture of the four-star window suites: a started window whose range
// controls and splice boxes have settled, and the gestures the tests drive
// it with. Widgets are found by object name; a missing one ends the run.
class FourStarWindowTest : public WindowTest {
protected:
    ui::FourStarPanel* panel = nullptr;

    void startWindow() {
        openWindow();
        panel = window->fourStar();
        waitForRanges(panel);
        // The splice boxes settle like the ranges.
        for (ui::BaseNumberBox* box : panel->findChildren<ui::BaseNumberBox*>())
            QTRY_VERIFY(!box->Lwz->text().isEmpty());
    }

    void click(const QString& name) const {
        QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton);
    }
    void press(int command) const { click(QStringLiteral("C_guolv_ks_%1").arg(command)); }
    // Double-click to empty (as players do), then type; "\n" presses Enter.
    void type(ui::TextBox* box, const QString& text) const {
        QTest::mouseDClick(box->viewport(), Qt::LeftButton);
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(box, Qt::Key_Return);
            keyText(box, lines[i]);
        }
    }
    void typeCombo(QComboBox* box, const QString& text) const {
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), text);
    }
    void typeRange(int ucf, const QString& lower, const QString& upper) const {
        auto* range = find<ui::RangeControl>(QStringLiteral("ucf_rc_%1").arg(ucf));
        typeCombo(range->lowerBox(), lower);
        typeCombo(range->upperBox(), upper);
    }
};

} // namespace sorvanta::test
