// Each mode's panel through the operations the window routes to it: the
// whole-panel clear behind each 清空条件, a result shown, copied and emptied
// through ModePanel, another mode's input refused; and the kit's adders,
// which register and group every small button a panel makes.
#include "four_star_checks.hpp"
#include "two_star_checks.hpp"

#include "engine23/three_star_commands.hpp"
#include "engine23/two_star_pipeline.hpp"
#include "engine4/four_star_commands.hpp"
#include "panels/four_star/four_star_bindings.hpp"
#include "panels/three_star/three_star_bindings.hpp"
#include "panels/two_star/two_star_bindings.hpp"
#include "shell/control_registry.hpp"
#include "shell/panel_kit.hpp"

#include <QButtonGroup>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include <array>
#include <variant>

using namespace sorvanta;
using namespace sorvanta::ui;
using namespace sorvanta::test;

namespace sorvanta::test {
three::ThreeStarInput ThreeStarRichInput(); // three_star_rich.cpp
}

namespace {

// Where each mode's panel keeps what these tests press and read, by mode.
struct ModeFacts {
    const char* shrink;   // 开始缩水
    const char* clearAll; // 清空条件
    int copy;             // 复制号码
    const char* result;
    const char* count;
};
constexpr ModeFacts kFacts[3] = {
    {"C_2x3x_gn_14", "C_2x3x_gn_17", 15, "T_dd_1", "Lzhushu_1"},
    {"C_2x3x_gn_0", "C_2x3x_gn_4", 1, "T_dd_0", "Lzhushu_0"},
    {"C_guolv_ks_0", "C_guolv_ks_3", 1, "Li_out", "dadi_zhushu"},
};

scheme::SchemeInput RichInput(Mode mode) {
    switch (mode) {
    case Mode::Two:
        return twoStarRichInput();
    case Mode::Three:
        return ThreeStarRichInput();
    case Mode::Four:
        break;
    }
    return richInput();
}

scheme::SchemeInput Cleared(const scheme::SchemeInput& input) {
    if (const auto* two = std::get_if<two::TwoStarInput>(&input))
        return two::ClearedTwoStarInput(*two);
    if (const auto* three = std::get_if<three::ThreeStarInput>(&input))
        return three::ClearedThreeStarInput(*three);
    return four::ClearedFourStarInput(std::get<four::FourStarInput>(input));
}

QStringList Differences(const scheme::SchemeInput& a, const scheme::SchemeInput& b) {
    if (a.index() != b.index())
        return {QStringLiteral("(another mode)")};
    return std::visit(
        [&b](const auto& in) { return differences(in, std::get<std::decay_t<decltype(in)>>(b)); },
        a);
}

// Every box of the mode that shows a hint, as "name=text": its text now,
// or the hint a reset puts back (the last its binding row names).
template <class Input>
QStringList HintedBoxes(const Bindings<Input>& rows, const ControlRegistry& controls, bool hints) {
    QStringList out;
    for (const Binding<Input>& row : rows) {
        QWidget* box = row.index >= 0 ? controls.widget(row.array, row.index) : nullptr;
        QString text;
        if (const auto* edit = qobject_cast<const TextBox*>(box))
            text = edit->text();
        else if (const auto* line = qobject_cast<const LineBox*>(box))
            text = line->text();
        else
            continue;
        if (!row.hints.isEmpty())
            out << box->objectName() + u'=' + (hints ? row.hints.last() : text);
    }
    return out;
}
QStringList HintedBoxes(Mode mode, const ControlRegistry& controls, bool hints) {
    switch (mode) {
    case Mode::Two:
        return HintedBoxes(TwoStarBindings(), controls, hints);
    case Mode::Three:
        return HintedBoxes(ThreeStarBindings(), controls, hints);
    case Mode::Four:
        break;
    }
    return HintedBoxes(FourStarBindings(), controls, hints);
}

// The numbers a result field shows, separated by single blanks.
QString Shown(const QWidget* result) {
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(result))
        return box->toPlainText();
    QStringList lines;
    const auto* list = qobject_cast<const QListWidget*>(result);
    for (int i = 0; list && i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines.join(u' ').simplified();
}

// The kit's adders, by the group their button joins.
enum Role { Commands, Clear, SelectAll, Exports, Help, kRoles };

} // namespace

class TestPanelOperations : public WindowTest {
    Q_OBJECT

    ModePanel& show(Mode mode) const {
        window->switchMode(mode);
        return window->panel(mode);
    }
    void click(const char* name) const {
        QTest::mouseClick(find<QAbstractButton>(QString::fromLatin1(name)), Qt::LeftButton);
    }
    QString shown(Mode mode) const { return Shown(find(kFacts[Index(mode)].result)); }
    QString count(Mode mode) const { return find<QLabel>(kFacts[Index(mode)].count)->text(); }

private slots:
    void initTestCase() {
        MessageBox::setTestMode(true);
        openWindow();
        for (Mode mode : kModes)
            waitForRanges(window->panel(mode).frame());
        for (BaseNumberBox* box : window->fourStar()->findChildren<BaseNumberBox*>())
            QTRY_VERIFY(!box->Lwz->text().isEmpty());
    }
    void cleanupTestCase() { window.reset(); }

    // The three-star 清空所有条件 is checked with its tools in
    // test_three_star_commands.
    void clearAllWritesTheClearedInput_data() {
        QTest::addColumn<int>("element");
        for (Mode mode : {Mode::Two, Mode::Four})
            QTest::newRow(Name(mode).data()) << Index(mode);
    }
    void clearAllWritesTheClearedInput() {
        QFETCH(int, element);
        const Mode mode = *ModeFromIndex(element);
        ModePanel& panel = show(mode);
        const scheme::SchemeInput rich = RichInput(mode);
        panel.writeModeInput(Cleared(rich));
        click(kFacts[element].shrink);
        QVERIFY(!panel.copiedNumbers(kFacts[element].copy).isEmpty());
        panel.writeModeInput(rich);
        QVERIFY(Differences(panel.readModeInput(), Cleared(rich)).size() > 3);

        click(kFacts[element].clearAll);
        const QStringList diff = Differences(panel.readModeInput(), Cleared(rich));
        QVERIFY2(diff.isEmpty(), qPrintable(diff.join(QStringLiteral(", "))));
        QCOMPARE(shown(mode), QString());
        QCOMPARE(count(mode), QStringLiteral("0"));
        QCOMPARE(panel.copiedNumbers(kFacts[element].copy), QString());
        // The boxes show the hint a reset puts back (T_ding 1..6: one line
        // break shorter than their starting hint).
        QCOMPARE(HintedBoxes(mode, window->controls(), false),
                 HintedBoxes(mode, window->controls(), true));
    }

    void panelsThroughTheInterface_data() {
        QTest::addColumn<int>("element");
        QTest::addColumn<QString>("numbers");
        QTest::newRow("two") << 0 << "05 50 99";
        QTest::newRow("three") << 1 << "005 123 999";
        QTest::newRow("four") << 2 << "0005 1234 5678 9990 9999";
    }
    void panelsThroughTheInterface() {
        QFETCH(int, element);
        QFETCH(QString, numbers);
        const Mode mode = *ModeFromIndex(element);
        ModePanel& panel = show(mode);
        const scheme::SchemeInput own = RichInput(mode);
        panel.writeModeInput(own);
        QVERIFY(Differences(panel.readModeInput(), own).isEmpty());
        // Another mode's input, even one that would clear the panel, is no
        // input of this one.
        for (Mode other : kModes)
            if (other != mode) {
                panel.writeModeInput(RichInput(other));
                panel.writeModeInput(Cleared(RichInput(other)));
            }
        const QStringList diff = Differences(panel.readModeInput(), own);
        QVERIFY2(diff.isEmpty(), qPrintable(diff.join(QStringLiteral(", "))));

        // A result shown through the interface is what the copy button
        // copies, and the cleared one copies nothing, whatever the last
        // run left.
        panel.writeModeInput(Cleared(own));
        click(kFacts[element].shrink);
        const int shownCount = static_cast<int>(numbers.count(u' ')) + 1;
        panel.showResult(numbers, shownCount);
        QCOMPARE(shown(mode), numbers);
        QCOMPARE(count(mode), QString::number(shownCount));
        QCOMPARE(panel.copiedNumbers(kFacts[element].copy), numbers);
        panel.clearResult();
        QCOMPARE(shown(mode), QString());
        QCOMPARE(count(mode), QStringLiteral("0"));
        QCOMPARE(panel.copiedNumbers(kFacts[element].copy), QString());
    }

    void kitAdders_data() {
        QTest::addColumn<int>("role");
        QTest::addColumn<bool>("grouped");
        QTest::addColumn<QString>("array");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::newRow("清") << int(Clear) << true << "C_cls" << 7 << "清";
        QTest::newRow("全") << int(SelectAll) << true << "C_3x_all" << 3 << "全";
        QTest::newRow("全 without a group") << int(SelectAll) << false << "C_3x_all" << 4 << "全";
        QTest::newRow("command") << int(Commands) << true << "C_guolv_ks" << 12 << "开始缩水";
        QTest::newRow("导出号码") << int(Exports) << true << "exportNumbers" << 5 << "导出号码";
        QTest::newRow("说明") << int(Help) << true << "C_234_sm" << 30 << "说明";
    }
    void kitAdders() {
        QFETCH(int, role);
        QFETCH(bool, grouped);
        QFETCH(QString, array);
        QFETCH(int, index);
        QFETCH(QString, caption);
        QWidget owner;
        ControlRegistry registry;
        std::array<QButtonGroup*, kRoles> groups{};
        for (QButtonGroup*& group : groups)
            group = new QButtonGroup(&owner);
        QButtonGroup* own = grouped ? groups[static_cast<std::size_t>(role)] : nullptr;
        if (!grouped)
            groups[static_cast<std::size_t>(role)] = nullptr;
        const PanelKit kit(
            registry,
            {groups[Commands], groups[Clear], groups[SelectAll], groups[Exports], groups[Help]},
            {QStringLiteral("C_guolv_ks"), QStringLiteral("C_cls"), QStringLiteral("C_3x_all"),
             QStringLiteral("exportNumbers")});
        QPushButton* button = role == Commands    ? kit.addCommand(index, caption, &owner)
                              : role == Clear     ? kit.addClear(index, &owner)
                              : role == SelectAll ? kit.addSelectAll(index, &owner)
                              : role == Exports   ? kit.addExport(index, &owner)
                                                  : kit.addHelp(index, &owner);
        QCOMPARE(registry.widget(array, index), button);
        QCOMPARE(button->objectName(), QStringLiteral("%1_%2").arg(array).arg(index));
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->group(), own);

        // A press reaches its own group only, with the element index.
        QStringList pressed;
        for (std::size_t g = 0; g < groups.size(); ++g)
            if (groups[g])
                connect(groups[g], &QButtonGroup::idClicked, &owner, [&pressed, g](int id) {
                    pressed << QStringLiteral("%1:%2").arg(g).arg(id);
                });
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(pressed,
                 own ? QStringList{QStringLiteral("%1:%2").arg(role).arg(index)} : QStringList());
    }
};

QTEST_MAIN(TestPanelOperations)
#include "test_panel_operations.moc"
