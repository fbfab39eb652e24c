// The four-star condition controls: what a click or a typed text puts into
// the panel's input, the writeInput/readInput mirror, the toggles and their
// colours, the come-out count check, emptying boxes, the pages, and a few
// shrinks driven through the real controls.
#include "app/fmain.hpp"
#include "engine4/four_star_input.hpp"
#include "four_star_checks.hpp"
#include "panels/four_star/four_star_bindings.hpp"
#include "panels/four_star/four_star_panel.hpp"
#include "scheme/four_star_fields.hpp"
#include "shell/base_number_box.hpp"
#include "shell/colour_button.hpp"
#include "shell/message_box.hpp"
#include "shell/range_control.hpp"
#include "shell/text_boxes.hpp"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>
#include <set>

using namespace sorvanta;
using namespace sorvanta::ui;
using four::FourStarInput;

using namespace sorvanta::test;

class TestFourStarPanel : public FourStarWindowTest {
    Q_OBJECT

private:
    ColourButton* colourButton(const QString& name) const { return find<ColourButton>(name); }
    // On the box itself, not on the free space a grid cell may add beside it.
    void tick(const QString& name) const {
        auto* box = find<QCheckBox>(name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }
    void showPage(int page) const { click(QStringLiteral("C_sst_0_%1").arg(page)); }
    using FourStarWindowTest::type;
    void type(LineBox* box, const QString& text) const {
        QTest::mouseDClick(box, Qt::LeftButton);
        keyText(box, text);
    }
    void typeDing(int index, const QString& text) const {
        static const int pageOf[7] = {0, 1, 2, 2, 3, 3, 4};
        showPage(pageOf[index]);
        type(find<TextBox>(QStringLiteral("T_ding_%1").arg(index)), text);
    }
    void typeComRange(int first, const QString& lower, const QString& upper) const {
        typeCombo(find<QComboBox>(QStringLiteral("Com_rc_%1").arg(first)), lower);
        typeCombo(find<QComboBox>(QStringLiteral("Com_rc_%1").arg(first + 1)), upper);
    }
    // What the panel reads before anyone touched it: hints as typed.
    // A box that shows only its hint holds no input.
    static FourStarInput startInput() { return FourStarInput{}; }
    QString shrink() const {
        QTest::mouseClick(find<QPushButton>(QStringLiteral("C_guolv_ks_0")), Qt::LeftButton);
        return find<QLabel>(QStringLiteral("dadi_zhushu"))->text();
    }

private slots:
    void initTestCase() { MessageBox::setTestMode(true); }
    void init();
    void cleanup() { window.reset(); }

    void startState();
    void shapeCaptions();
    void controlsReadBack();
    void roundTrip_data();
    void roundTrip();
    void lineBreaks();
    void shapeToggles_data();
    void shapeToggles();
    void bankerDigitToggle();
    void comeOutCount_data();
    void comeOutCount();
    void comeOutCountGreenTurnsGrey();
    void doubleClickEmpties();
    void pages_data();
    void pages();
    void conditionToleranceLists();
    void shrinkThroughControls_data();
    void shrinkThroughControls();
    void shrinkSurvivesGarbage();
    void bindingsNameTheSchemeFields();
    void hiddenPageShowsItsCondition_data();
    void hiddenPageShowsItsCondition();
    void hintSelectedOnFocus_data();
    void hintSelectedOnFocus();
    void spliceBoxEmptiedShowsCountZero();
    void ctrlCCopiesSelectedRows();
    void colourButtonsPaintFlat();
    void longPastesKeptWholeOrRefused();
};

void TestFourStarPanel::init() {
    startWindow();
}

void TestFourStarPanel::startState() {
    COMPARE_INPUT(panel->readInput(), startInput());
    QCOMPARE(find<TextBox>(QStringLiteral("T_ding_0"))->text(), QString());
    for (int i = 1; i < 7; ++i)
        QCOMPARE(find<TextBox>(QStringLiteral("T_ding_%1").arg(i))->text(), kDingHint);
    QCOMPARE(find<LineBox>(QStringLiteral("T_cs_ip_0"))->text(), kSumHint);
    QCOMPARE(find<TextBox>(QStringLiteral("T_cs_ip_3"))->text(), kBaseSetHint);

    const int longest[7] = {4, 3, 20, 20, 20, 6, 4};
    for (int i = 0; i < 7; ++i) {
        auto* range = find<RangeControl>(QStringLiteral("ucf_rc_%1").arg(i));
        QCOMPARE(range->a_mydata_long(), longest[i]);
        QCOMPARE(range->lowerBox()->count(), longest[i] + 1);
        QCOMPARE(range->text(), RangeText{});
    }
    for (int i = 0; i <= 158; ++i)
        QCOMPARE(colourButton(QStringLiteral("C_bi_%1").arg(i))->backColor(), Colour::Off);
    for (int i = 0; i <= 17; ++i) {
        ColourButton* b = colourButton(QStringLiteral("C_max_%1").arg(i));
        QCOMPARE(b->backColor(), Colour::Off);
        QCOMPARE(b->text(), QString::number(i < 9 ? i : i - 8));
    }
    const char* const patterns[10] = {"千百**", "千*十*",  "千**个",  "*百十*",  "*百*个",
                                      "**十个", "千百十*", "千百*个", "千*十个", "*百十个"};
    for (int i = 0; i < 10; ++i) {
        auto* box = find<BaseNumberBox>(QStringLiteral("ucf_ssc23x1_%1").arg(i));
        QCOMPARE(box->a_mydata_wz(), QString::fromUtf8(patterns[i]));
        QTRY_COMPARE(box->Lwz->text(), QString::fromUtf8(patterns[i]));
        QCOMPARE(box->numberWidth(), i < 6 ? 2 : 3);
    }
    for (int i = 0; i < 4; ++i) {
        auto* option = find<QRadioButton>(QStringLiteral("Option_sx_%1").arg(i));
        QCOMPARE(option->text(), i % 2 == 0 ? QStringLiteral("保留") : QStringLiteral("删除"));
        QCOMPARE(option->isChecked(), i % 2 == 0);
    }
    for (int i = 0; i < 40; ++i)
        QCOMPARE(colourButton(QStringLiteral("C_danzu_%1").arg(i))->backColor(), Colour::Off);
    for (int i = 0; i < 20; ++i)
        QCOMPARE(colourButton(QStringLiteral("C_danzu_gs_%1").arg(i))->text(),
                 QString::number(i % 5));
    QCOMPARE(find<QCheckBox>(QStringLiteral("Check_ac_sha_5"))->text(), QStringLiteral("6"));
    QCOMPARE(find<QCheckBox>(QStringLiteral("Check_hewei_sha1_37"))->text(), QStringLiteral("7"));
    QVERIFY(!find<QCheckBox>(QStringLiteral("Check_dm_jchong"))->isChecked());
}

void TestFourStarPanel::shapeCaptions() {
    const QList<QPair<int, QString>> samples = {
        {0, "0:4"},       {4, "4:0"},       {9, "4:0"},       {10, "0:4"},      {15, "上山"},
        {16, "下山"},     {17, "凸形"},     {18, "凹形"},     {19, "N形"},      {20, "反N形"},
        {21, "大大大大"}, {22, "大大小大"}, {28, "小小小大"}, {29, "大大大小"}, {36, "小小小小"},
        {37, "奇奇奇奇"}, {38, "奇奇偶奇"}, {52, "偶偶偶偶"}, {53, "质质质质"}, {56, "质合合质"},
        {68, "合合合合"}, {69, "0000"},     {149, "0022"},    {150, "不连"},    {151, "2连"},
        {152, "3连"},     {153, "4连"},     {154, "AAAA"},    {155, "AAAB"},    {156, "AABC"},
        {157, "AABB"},    {158, "ABCD"}};
    for (const auto& [index, caption] : samples)
        QCOMPARE(colourButton(QStringLiteral("C_bi_%1").arg(index))->text(), caption);

    // Each pattern block offers every pattern once.
    const struct {
        int first, count;
        QString letters;
    } blocks[4] = {{21, 16, "大小"}, {37, 16, "奇偶"}, {53, 16, "质合"}, {69, 81, "012"}};
    for (const auto& block : blocks) {
        QSet<QString> seen;
        for (int i = block.first; i < block.first + block.count; ++i) {
            const QString caption = colourButton(QStringLiteral("C_bi_%1").arg(i))->text();
            QCOMPARE(caption.size(), 4);
            for (QChar c : caption)
                QVERIFY2(block.letters.contains(c), qPrintable(caption));
            seen.insert(caption);
        }
        QCOMPARE(seen.size(), block.count);
    }
}

void TestFourStarPanel::controlsReadBack() {
    struct Row {
        const char* name;
        std::function<void()> act;
        std::function<void(FourStarInput&)> expect;
    };
    const QList<Row> rows = {
        {"position kill thousands 0", [&] { tick("Check_hewei_sha1_0"); },
         [](FourStarInput& in) {
             in.position_kill[0] = digits({0});
         }},
        {"position kill units 9 and hundreds 4",
         [&] {
             tick("Check_hewei_sha1_39");
             tick("Check_hewei_sha1_14");
         },
         [](FourStarInput& in) {
             in.position_kill[3] = digits({9});
             in.position_kill[1] = digits({4});
         }},
        {"position kill tolerance", [&] { typeComRange(0, "1", "3"); },
         [](FourStarInput& in) {
             in.position_kill_tolerance = {"1", "3"};
         }},
        {"sum tail 3", [&] { tick("Check_hewei_sha_3"); },
         [](FourStarInput& in) {
             in.kill_sum_tails = digits({3});
         }},
        {"span 0", [&] { tick("Check_kuadu_sha_0"); },
         [](FourStarInput& in) {
             in.kill_spans = digits({0});
         }},
        {"kill-all 9", [&] { tick("Check_tsm_sha_9"); },
         [](FourStarInput& in) {
             in.kill_all_digits = digits({9});
         }},
        {"AC elements 0 and 5 are AC 1 and 6",
         [&] {
             tick("Check_ac_sha_0");
             tick("Check_ac_sha_5");
         },
         [](FourStarInput& in) {
             in.kill_ac = digits({1, 6});
         }},
        {"ticked twice is off",
         [&] {
             tick("Check_tsm_sha_2");
             tick("Check_tsm_sha_2");
         },
         [](FourStarInput&) {
         }},
        {"sums typed", [&] { type(find<LineBox>("T_cs_ip_0"), "05 16"); },
         [](FourStarInput& in) {
             in.kill_sums = "05 16";
         }},
        {"banker row 2 digit 5 with count 1",
         [&] {
             click("C_danzu_15");
             click("C_danzu_gs_6");
         },
         [](FourStarInput& in) {
             in.banker_rows[1] = {digits({5}), digits({1})};
         }},
        {"banker repeats and tolerance",
         [&] {
             tick("Check_dm_jchong");
             typeComRange(2, "0", "2");
         },
         [](FourStarInput& in) {
             in.banker_count_repeats = true;
             in.banker_tolerance = {"0", "2"};
         }},
        {"ratios of three kinds",
         [&] {
             click("C_bi_1");
             click("C_bi_7");
             click("C_bi_14");
         },
         [](FourStarInput& in) {
             in.ratio_big_small = {"1:3"};
             in.ratio_odd_even = {"2:2"};
             in.ratio_prime_composite = {"4:0"};
         }},
        {"ratio tolerance", [&] { typeRange(1, "1", "1"); },
         [](FourStarInput& in) {
             in.ratio_tolerance = {"1", "1"};
         }},
        {"special shapes",
         [&] {
             click("C_bi_16");
             click("C_bi_19");
         },
         [](FourStarInput& in) {
             in.special_shapes = {"下山", "N形"};
         }},
        {"one pattern of each kind",
         [&] {
             click("C_bi_22");
             click("C_bi_38");
             click("C_bi_68");
             click("C_bi_149");
         },
         [](FourStarInput& in) {
             in.pattern_big_small = {"大大小大"};
             in.pattern_odd_even = {"奇奇偶奇"};
             in.pattern_prime_composite = {"合合合合"};
             in.pattern_route012 = {"0022"};
         }},
        {"pattern tolerance", [&] { typeRange(0, "0", "4"); },
         [](FourStarInput& in) {
             in.pattern_tolerance = {"0", "4"};
         }},
        {"direct numbers", [&] { typeDing(0, "1234 5890"); },
         [](FourStarInput& in) {
             in.kill_direct = "1234 5890";
         }},
        {"compounds over two lines with tolerance",
         [&] {
             typeDing(1, "12*34*56*78\n9*0*1*2");
             typeRange(2, "0", "1");
         },
         [](FourStarInput& in) {
             in.junk_compounds = "12*34*56*78\n9*0*1*2";
             in.junk_compounds_tolerance = {"0", "1"};
         }},
        {"pairs page",
         [&] {
             typeDing(2, "12 56");
             typeRange(3, "1", "1");
             typeDing(3, "89");
         },
         [](FourStarInput& in) {
             in.kill_pairs = "12 56";
             in.kill_pairs_tolerance = {"1", "1"};
             in.require_pairs = "89";
         }},
        {"triples page",
         [&] {
             typeDing(4, "123");
             typeRange(4, "2a", "x");
             typeDing(5, "116");
         },
         [](FourStarInput& in) {
             in.kill_triples = "123";
             in.kill_triples_tolerance = {"2a", "x"};
             in.require_triples = "116";
         }},
        {"positional patterns", [&] { typeDing(6, "12** **89"); },
         [](FourStarInput& in) {
             in.kill_patterns = "12** **89";
         }},
        {"base set", [&] { type(find<TextBox>("T_cs_ip_3"), "1234,0012"); },
         [](FourStarInput& in) {
             in.base_set = "1234,0012";
         }},
        {"total tolerance", [&] { typeComRange(4, "1", "2"); },
         [](FourStarInput& in) {
             in.total_tolerance = {"1", "2"};
         }},
        {"run and repeat classes",
         [&] {
             click("C_bi_150");
             click("C_bi_153");
             click("C_bi_157");
         },
         [](FourStarInput& in) {
             in.run_repeat = {"不连", "4连", "AABB"};
         }},
        {"smallest 0 and 8, largest 1 and 9",
         [&] {
             click("C_max_0");
             click("C_max_8");
             click("C_max_9");
             click("C_max_17");
         },
         [](FourStarInput& in) {
             in.smallest_digits = digits({0, 8});
             in.largest_digits = digits({1, 9});
         }},
        {"two-star splice typed, delete, tolerance",
         [&] {
             showPage(6);
             type(find<BaseNumberBox>("ucf_ssc23x1_0")->T_dd, "56");
             type(find<BaseNumberBox>("ucf_ssc23x1_5")->T_dd, "88 89");
             click("Option_sx_1");
             typeRange(5, "0", "1");
         },
         [](FourStarInput& in) {
             in.two_star_splice[0] = "56";
             in.two_star_splice[5] = "88 89";
             in.two_star_splice_delete = true;
             in.two_star_splice_tolerance = {"0", "1"};
         }},
        {"three-star splice typed, delete then keep again",
         [&] {
             showPage(7);
             type(find<BaseNumberBox>("ucf_ssc23x1_9")->T_dd, "888");
             click("Option_sx_3");
             click("Option_sx_2");
             typeRange(6, "2", "4");
         },
         [](FourStarInput& in) {
             in.three_star_splice[3] = "888";
             in.three_star_splice_tolerance = {"2", "4"};
         }},
    };
    for (const Row& row : rows) {
        // Each row on a fresh panel: only what the row did may differ.
        panel->writeInput(startInput());
        row.act();
        FourStarInput expected = startInput();
        row.expect(expected);
        const QStringList diff = differences(panel->readInput(), expected);
        QVERIFY2(diff.isEmpty(),
                 qPrintable(QStringLiteral("%1: %2").arg(QString::fromUtf8(row.name),
                                                         diff.join(QStringLiteral(", ")))));
    }
}

void TestFourStarPanel::roundTrip_data() {
    QTest::addColumn<int>("which");
    QTest::newRow("every control set") << 0;
    QTest::newRow("nothing set") << 1;
    QTest::newRow("every button chosen") << 2;
    QTest::newRow("start state") << 3;
}

void TestFourStarPanel::roundTrip() {
    QFETCH(int, which);
    FourStarInput in;
    if (which == 0)
        in = richInput();
    if (which == 2) {
        for (int i = 0; i < 150; ++i) {
            const std::string caption = FourStarPanel::shapeCaption(i).toStdString();
            four::CaptionSet* sets[] = {&in.ratio_big_small,         &in.ratio_odd_even,
                                        &in.ratio_prime_composite,   &in.special_shapes,
                                        &in.pattern_big_small,       &in.pattern_odd_even,
                                        &in.pattern_prime_composite, &in.pattern_route012};
            const int set = i < 15 ? i / 5 : i < 21 ? 3 : i < 37 ? 4 : i < 53 ? 5 : i < 69 ? 6 : 7;
            sets[set]->insert(caption);
        }
        for (auto& row : in.position_kill)
            row.set();
        for (auto& row : in.banker_rows)
            row = {four::DigitSet().set(), digits({0, 1, 2, 3, 4})};
        in.kill_sum_tails.set();
        in.kill_spans.set();
        in.kill_all_digits.set();
        in.kill_ac = digits({1, 2, 3, 4, 5, 6});
        in.banker_count_repeats = true;
        for (int i = 150; i <= 158; ++i)
            in.run_repeat.insert(FourStarPanel::shapeCaption(i).toStdString());
        in.smallest_digits = digits({0, 1, 2, 3, 4, 5, 6, 7, 8});
        in.largest_digits = digits({1, 2, 3, 4, 5, 6, 7, 8, 9});
    }
    if (which == 3)
        in = startInput();

    // From a panel away from its start, so every write has to land.
    panel->writeInput(richInput());
    panel->writeInput(in);
    COMPARE_INPUT(panel->readInput(), in);
    // A written splice box counts what it shows, not what it held before.
    for (int i = 0; i < 10; ++i) {
        const auto* box = find<BaseNumberBox>(QStringLiteral("ucf_ssc23x1_%1").arg(i));
        const QStringList entries =
            box->text().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        QCOMPARE(box->Lzhushu->text(), QString::number(entries.size()));
    }
    // Written twice gives the same: the write depends on nothing left before.
    panel->writeInput(in);
    COMPARE_INPUT(panel->readInput(), in);
}

void TestFourStarPanel::lineBreaks() {
    // The boxes hold "\n" for a line break however it came in; a compound
    // list written with "\r\n" reads back with "\n", which means the same.
    FourStarInput in;
    in.junk_compounds = "1*2*3*4\r\n5*6*7*8\r\n";
    in.base_set = "1234\r\n0012";
    panel->writeInput(in);
    const FourStarInput back = panel->readInput();
    QCOMPARE(back.junk_compounds, std::string("1*2*3*4\n5*6*7*8\n"));
    QCOMPARE(back.base_set, std::string("1234\n0012"));
}

void TestFourStarPanel::shapeToggles_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("chosen");
    QTest::newRow("first ratio") << 0 << Colour::On;
    QTest::newRow("last ratio") << 14 << Colour::On;
    QTest::newRow("first special shape") << 15 << Colour::Yellow;
    QTest::newRow("big/small pattern") << 21 << Colour::Yellow;
    QTest::newRow("prime/composite pattern") << 68 << Colour::Yellow;
    QTest::newRow("first route") << 69 << Colour::Yellow;
    QTest::newRow("last route") << 149 << Colour::Yellow;
    QTest::newRow("no run") << 150 << Colour::Yellow;
    QTest::newRow("ABCD") << 158 << Colour::Yellow;
}

void TestFourStarPanel::shapeToggles() {
    QFETCH(int, index);
    QFETCH(int, chosen);
    const QString name = QStringLiteral("C_bi_%1").arg(index);
    ColourButton* button = colourButton(name);
    click(name);
    QCOMPARE(button->backColor(), chosen);
    click(name);
    QCOMPARE(button->backColor(), Colour::Off);
    // Any colour but the chosen one counts as not chosen and a click chooses.
    button->setBackColor(Colour::Red);
    click(name);
    QCOMPARE(button->backColor(), chosen);
    // The neighbours are left alone.
    QCOMPARE(colourButton(QStringLiteral("C_bi_%1").arg(index == 0 ? 1 : index - 1))->backColor(),
             Colour::Off);
}

void TestFourStarPanel::bankerDigitToggle() {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    ColourButton* button = colourButton("C_danzu_27");
    click("C_danzu_27");
    QCOMPARE(button->backColor(), Colour::On);
    QTRY_COMPARE(QApplication::focusWidget(), find<QWidget>("Cf"));
    click("C_danzu_27");
    QCOMPARE(button->backColor(), Colour::Off);
    QCOMPARE(panel->readInput().banker_rows[2].digits, four::DigitSet());
}

void TestFourStarPanel::comeOutCount_data() {
    QTest::addColumn<QList<int>>("bankerDigits"); // C_danzu elements made green first
    QTest::addColumn<bool>("repeats");
    QTest::addColumn<int>("countButton");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("two of two") << QList<int>{3, 8} << false << 2 << true;
    QTest::newRow("three of two") << QList<int>{3, 8} << false << 3 << false;
    QTest::newRow("none of none") << QList<int>{} << false << 5 << true;
    QTest::newRow("one of none") << QList<int>{} << false << 6 << false;
    QTest::newRow("other rows do not count") << QList<int>{0, 1, 2} << false << 7 << false;
    QTest::newRow("four of one, repeats counted") << QList<int>{23} << true << 14 << true;
    QTest::newRow("four of four in row 4") << QList<int>{30, 31, 32, 39} << false << 19 << true;
}

void TestFourStarPanel::comeOutCount() {
    QFETCH(QList<int>, bankerDigits);
    QFETCH(bool, repeats);
    QFETCH(int, countButton);
    QFETCH(bool, accepted);
    for (int d : bankerDigits)
        click(QStringLiteral("C_danzu_%1").arg(d));
    if (repeats)
        tick("Check_dm_jchong");
    click(QStringLiteral("C_danzu_gs_%1").arg(countButton));
    QCOMPARE(colourButton(QStringLiteral("C_danzu_gs_%1").arg(countButton))->backColor(),
             accepted ? Colour::On : Colour::Off);
    if (accepted) {
        QVERIFY(MessageBox::shown().isEmpty());
    } else {
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().first().title, QStringLiteral("错误提示"));
        QCOMPARE(MessageBox::shown().first().text, QStringLiteral("出胆个数不能大于选胆个数"));
    }
}

void TestFourStarPanel::comeOutCountGreenTurnsGrey() {
    // A count larger than the digits (left over after digits were taken
    // away) still clears with one click and no message.
    FourStarInput in;
    in.banker_rows[0].counts = digits({4});
    panel->writeInput(in);
    click("C_danzu_gs_4");
    QCOMPARE(colourButton("C_danzu_gs_4")->backColor(), Colour::Off);
    QVERIFY(MessageBox::shown().isEmpty());
}

void TestFourStarPanel::doubleClickEmpties() {
    panel->writeInput(richInput());
    for (int i = 0; i < 7; ++i) {
        static const int pageOf[7] = {0, 1, 2, 2, 3, 3, 4};
        showPage(pageOf[i]);
        auto* box = find<TextBox>(QStringLiteral("T_ding_%1").arg(i));
        QVERIFY(!box->text().isEmpty());
        QTest::mouseDClick(box->viewport(), Qt::LeftButton);
        QCOMPARE(box->text(), QString());
    }
    auto* sums = find<LineBox>("T_cs_ip_0");
    QTest::mouseDClick(sums, Qt::LeftButton);
    QCOMPARE(sums->text(), QString());
    auto* base = find<TextBox>("T_cs_ip_3");
    QTest::mouseDClick(base->viewport(), Qt::LeftButton);
    QCOMPARE(base->text(), QString());

    const FourStarInput in = panel->readInput();
    QVERIFY(in.kill_direct.empty() && in.junk_compounds.empty() && in.kill_patterns.empty());
    QVERIFY(in.kill_sums.empty() && in.base_set.empty());
}

void TestFourStarPanel::pages_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QList<int>>("shown"); // T_ding elements in view
    QTest::newRow("main page") << 99 << QList<int>{0};
    QTest::newRow("direct numbers") << 0 << QList<int>{0};
    QTest::newRow("compounds") << 1 << QList<int>{1};
    QTest::newRow("pairs") << 2 << QList<int>{2, 3};
    QTest::newRow("triples") << 3 << QList<int>{4, 5};
    QTest::newRow("positional") << 4 << QList<int>{6};
    QTest::newRow("intersection") << 5 << QList<int>{};
}

void TestFourStarPanel::pages() {
    QFETCH(int, page);
    QFETCH(QList<int>, shown);
    showPage(page == 0 ? 1 : 0);
    showPage(page);
    for (int i = 0; i < 7; ++i)
        QCOMPARE(find<TextBox>(QStringLiteral("T_ding_%1").arg(i))->isVisible(), shown.contains(i));
    // The position-kill boxes share the page of the positional patterns.
    QCOMPARE(find<QCheckBox>("Check_hewei_sha1_0")->isVisible(), page == 4);
    QCOMPARE(find<RangeControl>("ucf_rc_3")->isVisible(), page == 2);
    QCOMPARE(find<RangeControl>("ucf_rc_4")->isVisible(), page == 3);
    // The upper conditions stay in view on every page.
    QVERIFY(colourButton("C_bi_0")->isVisible());
    QVERIFY(find<QCheckBox>("Check_hewei_sha_0")->isVisible());
}

void TestFourStarPanel::conditionToleranceLists() {
    for (int i = 0; i < 4; ++i) {
        auto* box = find<QComboBox>(QStringLiteral("Com_rc_%1").arg(i));
        QCOMPARE(box->count(), 5);
        QCOMPARE(box->itemText(0), QStringLiteral("0"));
        QCOMPARE(box->itemText(4), QStringLiteral("4"));
        QCOMPARE(box->currentText(), QStringLiteral("0"));
    }
    // Filling again keeps what a box shows.
    typeComRange(0, "2", "3");
    panel->fillConditionToleranceLists();
    QCOMPARE(panel->readInput().position_kill_tolerance, (RangeText{"2", "3"}));
    QCOMPARE(find<QComboBox>("Com_rc_0")->count(), 5);
}

void TestFourStarPanel::shrinkThroughControls_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("count");
    QTest::newRow("nothing set, hints in the boxes") << 0 << "10000";
    QTest::newRow("thousands 0 killed") << 1 << "9000";
    QTest::newRow("thousands 0 and units 9 killed, tolerance 0 to 1") << 2 << "9900";
    QTest::newRow("banker 5, no count") << 3 << "3439";
    QTest::newRow("banker 5, count 0") << 4 << "6561";
    QTest::newRow("big:small 1:3") << 5 << "2500";
    QTest::newRow("span 0 and AC 1") << 6 << "9990";
    QTest::newRow("direct numbers") << 7 << "9996";
    QTest::newRow("every route pattern") << 8 << "0";
    QTest::newRow("total tolerance 1 to 1") << 9 << "1000";
    QTest::newRow("sum 00 typed") << 10 << "9999";
}

void TestFourStarPanel::shrinkThroughControls() {
    QFETCH(int, which);
    QFETCH(QString, count);
    switch (which) {
    case 1:
        tick("Check_hewei_sha1_0");
        break;
    case 2:
        tick("Check_hewei_sha1_0");
        tick("Check_hewei_sha1_39");
        typeComRange(0, "0", "1");
        break;
    case 3:
        click("C_danzu_5");
        break;
    case 4:
        click("C_danzu_5");
        click("C_danzu_gs_0");
        break;
    case 5:
        click("C_bi_1");
        break;
    case 6:
        tick("Check_kuadu_sha_0");
        tick("Check_ac_sha_0");
        break;
    case 7:
        typeDing(0, "1234 5890 6899 1479");
        break;
    case 8:
        for (int i = 69; i <= 149; ++i)
            click(QStringLiteral("C_bi_%1").arg(i));
        break;
    case 9:
        tick("Check_hewei_sha1_0");
        typeComRange(4, "1", "1");
        break;
    case 10:
        type(find<LineBox>("T_cs_ip_0"), "00");
        break;
    default:
        break;
    }
    QCOMPARE(shrink(), count);
}

void TestFourStarPanel::shrinkSurvivesGarbage() {
    // Whatever lands in the boxes, a shrink runs to its end.
    const QString junk =
        QStringLiteral("１２３４ ab*\t**12**3* ☃ -1 99999999999999999999 .5 \n\n*");
    for (int i = 0; i < 7; ++i)
        typeDing(i, junk);
    type(find<LineBox>("T_cs_ip_0"), junk);
    type(find<TextBox>("T_cs_ip_3"), junk);
    for (int r = 0; r < 5; ++r)
        typeRange(r, QStringLiteral("-99999999999999999999"), QStringLiteral("1e999"));
    typeComRange(0, "abc", "99999999999999999999");
    typeComRange(2, "2.5", "-0");
    const QString shown = shrink();
    bool ok = false;
    const int survivors = shown.toInt(&ok);
    QVERIFY(ok);
    QVERIFY(survivors >= 0 && survivors <= 10000);
    QCOMPARE(find<QListWidget>("Li_out")->count(), (survivors + 3) / 4);
}

// A field the panel binds but the scheme does not know (or the other way)
// would be lost on save or never reach the window on load.
void TestFourStarPanel::bindingsNameTheSchemeFields() {
    std::set<std::string> bound, saved;
    for (const auto& row : FourStarBindings())
        bound.insert(TopLevelField(row.field));
    for (const auto& field : scheme::FourStarFields())
        saved.insert(field.name);
    QCOMPARE(bound, saved);
}

void TestFourStarPanel::hiddenPageShowsItsCondition_data() {
    QTest::addColumn<QString>("control"); // what the player fills
    QTest::addColumn<QString>("text");    // typed, or empty to tick a check box
    QTest::addColumn<int>("page");        // -1: no page marked
    QTest::newRow("kill direct") << "T_ding_0"
                                 << "1234" << 0;
    QTest::newRow("junk compounds") << "T_ding_1"
                                    << "12*34*5*6" << 1;
    QTest::newRow("require pairs") << "T_ding_3"
                                   << "12" << 2;
    QTest::newRow("kill triples") << "T_ding_4"
                                  << "123" << 3;
    QTest::newRow("kill patterns") << "T_ding_6"
                                   << "1*2*" << 4;
    QTest::newRow("position kill") << "Check_hewei_sha1_13"
                                   << "" << 4;
    QTest::newRow("no digit, no mark") << "T_ding_2"
                                       << "双击清空 abc" << -1;
}

void TestFourStarPanel::hiddenPageShowsItsCondition() {
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(int, page);
    if (text.isEmpty())
        find<QCheckBox>(control)->setChecked(true);
    else
        find<TextBox>(control)->setText(text);
    showPage(99);
    for (int i = 0; i < 8; ++i)
        QCOMPARE(colourButton(QStringLiteral("C_sst_0_%1").arg(i))->isMarked(), i == page);
}

void TestFourStarPanel::hintSelectedOnFocus_data() {
    QTest::addColumn<bool>("byTab");
    QTest::newRow("click") << false;
    QTest::newRow("tab") << true;
}

// Typing into a box that shows its hint replaces the hint: the sum box's
// hint holds sums of its own ("00 05 08 16") that would otherwise count.
void TestFourStarPanel::hintSelectedOnFocus() {
    QFETCH(bool, byTab);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    auto* sums = find<LineBox>("T_cs_ip_0");
    if (byTab) {
        sums->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(sums->hasFocus());
    } else {
        QTest::mouseClick(sums, Qt::LeftButton, {}, QPoint(20, sums->height() / 2));
    }
    QTRY_VERIFY(sums->hasSelectedText());
    QTest::keyClicks(sums, QStringLiteral("12"));
    QCOMPARE(sums->text(), QStringLiteral("12"));
    // Once the hint is gone, a click places the cursor as usual.
    QTest::mouseClick(find<QCheckBox>("Check_ac_sha_5"), Qt::LeftButton);
    QTest::mouseClick(sums, Qt::LeftButton, {}, QPoint(sums->width() - 4, sums->height() / 2));
    QTest::qWait(10);
    QVERIFY(!sums->hasSelectedText());
    QTest::mouseDClick(sums, Qt::LeftButton);
    QCOMPARE(sums->text(), QString());
}

void TestFourStarPanel::spliceBoxEmptiedShowsCountZero() {
    showPage(6);
    BaseNumberBox* box = find<BaseNumberBox>("ucf_ssc23x1_0");
    QGuiApplication::clipboard()->setText(QStringLiteral("12 34 56"));
    QTest::mouseClick(box->C_zt, Qt::LeftButton);
    QCOMPARE(box->Lzhushu->text(), QStringLiteral("3"));
    QTest::mouseDClick(box->T_dd->viewport(), Qt::LeftButton);
    QCOMPARE(box->T_dd->text(), QString());
    QCOMPARE(box->Lzhushu->text(), QStringLiteral("0"));
}

void TestFourStarPanel::ctrlCCopiesSelectedRows() {
    typeDing(0, QStringLiteral("0001"));
    shrink();
    auto* list = find<QListWidget>("Li_out");
    list->item(0)->setSelected(true);
    list->item(2)->setSelected(true);
    list->setFocus();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("0000 0002 0003 0004 0009 0010 0011 0012"));
}

// The state is the colour, so the face must show that colour, not a style
// gradient over it.
void TestFourStarPanel::colourButtonsPaintFlat() {
    ColourButton* button = colourButton(QStringLiteral("C_bi_150"));
    showPage(99);
    for (int colour : {Colour::Red, Colour::Off, Colour::Yellow, Colour::On}) {
        button->setBackColor(colour);
        const QImage face = button->grab().toImage();
        QCOMPARE(face.pixelColor(3, face.height() / 2).rgb(), toQColor(colour).rgb());
        QCOMPARE(face.pixelColor(face.width() - 4, face.height() - 4).rgb(),
                 toQColor(colour).rgb());
    }
}

// A paste is taken whole or refused with a message; a box never cuts it
// and never loses what it held.
void TestFourStarPanel::longPastesKeptWholeOrRefused() {
    auto* sums = find<LineBox>("T_cs_ip_0");
    const QString long40k = QString(40000, QLatin1Char('1'));
    QGuiApplication::clipboard()->setText(long40k);
    sums->setFocus();
    sums->selectAll();
    QTest::keyClick(sums, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(sums->text().size(), long40k.size());

    auto* kill = find<TextBox>("T_ding_0");
    showPage(0);
    kill->setText(QStringLiteral("1234"));
    QGuiApplication::clipboard()->setText(QString(1000001, QLatin1Char('5')));
    kill->setFocus();
    MessageBox::clearShown();
    QTest::keyClick(kill, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(kill->text(), QStringLiteral("1234"));
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().title, QStringLiteral("温馨提示"));

    // A long paste that fits is taken; after a double-click, Ctrl+Z brings
    // it back.
    QGuiApplication::clipboard()->setText(QString(200000, QLatin1Char('7')));
    QTest::keyClick(kill, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(kill, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(kill->text().size(), 200000);
    QTest::mouseDClick(kill->viewport(), Qt::LeftButton);
    QCOMPARE(kill->text(), QString());
    QTest::keyClick(kill, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(kill->text().size(), 200000);
}

QTEST_MAIN(TestFourStarPanel)
#include "test_four_star_panel.moc"
