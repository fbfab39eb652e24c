// Which control holds which three-star field: the typed boxes and ranges one
// row each, the toggle blocks from the block table, and the few
// controls of their own kind (option buttons, the rule list, the switch).
#include "panels/three_star/three_star_bindings.hpp"

#include "engine23/star_text.hpp"
#include "engine23/three_star_captions.hpp"
#include "panels/three_star/three_star_panel.hpp"
#include "reset/three_star_blocks.hpp"
#include "shell/colour_button.hpp"
#include "shell/control_registry.hpp"
#include "shell/either_or_switch.hpp"
#include "shell/from_utf8.hpp"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QListWidget>

#include <bitset>
#include <string>

namespace sorvanta::ui {

namespace {

using three::ThreeStarInput;
using In = ThreeStarInput;

// A block's buttons are chosen when they are any colour but grey; they are
// written in the colour their array shows when chosen.
int ChosenColour(const ButtonBlock& block) {
    return block.array == kExcludeButtons ? Colour::Yellow : Colour::On;
}

// The value a chosen button stands for is its caption read as a number, so
// rows captioned "9" down to "0" need no reversal here.
template <std::size_t N>
Binding<In> NumberBlock(const ButtonBlock& block, three::Captions captions,
                        std::bitset<N>& (*get)(In&)) {
    const QString array = FromUtf8(block.array);
    return {std::string(block.field),
            [=](const ControlRegistry& c, In& in) {
                std::bitset<N>& bits = get(in);
                bits.reset();
                for (std::size_t i = 0; i < captions.size(); ++i) {
                    const auto* b = c.at<ColourButton>(array, block.first + static_cast<int>(i));
                    const int value = FromUtf8(captions[i]).toInt();
                    if (b && b->backColor() != Colour::Off && value >= 0 &&
                        static_cast<std::size_t>(value) < N)
                        bits.set(static_cast<std::size_t>(value));
                }
            },
            [=](const ControlRegistry& c, In& in) {
                const std::bitset<N>& bits = get(in);
                for (std::size_t i = 0; i < captions.size(); ++i) {
                    auto* b = c.at<ColourButton>(array, block.first + static_cast<int>(i));
                    const int value = FromUtf8(captions[i]).toInt();
                    if (b)
                        b->setBackColor(value >= 0 && static_cast<std::size_t>(value) < N &&
                                                bits.test(static_cast<std::size_t>(value))
                                            ? ChosenColour(block)
                                            : Colour::Off);
                }
            }};
}

Binding<In> CaptionBlock(const ButtonBlock& block, CaptionSet& (*get)(In&)) {
    const int last = LastOf(block);
    const QString array = FromUtf8(block.array);
    return {std::string(block.field),
            [=](const ControlRegistry& c, In& in) {
                get(in) = ReadCaptions(c, array, block.first, last, 0);
            },
            [=](const ControlRegistry& c, In& in) {
                WriteCaptions(c, array, block.first, last, get(in), ChosenColour(block));
            }};
}

// Every block by its place on the panel and the input member the engine's
// toggle table names for its field.
Bindings<In> ButtonBlocks() {
    Bindings<In> rows;
    for (const ButtonBlock& block : kThreeStarBlocks) {
        const three::ToggleBlock& toggle = three::ToggleOf(block.field);
        if (toggle.sums)
            rows.push_back(NumberBlock<28>(block, toggle.captions, toggle.sums));
        else if (toggle.digits)
            rows.push_back(NumberBlock<10>(block, toggle.captions, toggle.digits));
        else
            rows.push_back(CaptionBlock(block, toggle.chosen));
    }
    return rows;
}

// The boxes' hints are no input: ReadText and WriteText see to that. Most
// condition boxes say "双击清空"; the largest and smallest digits none.
template <class Get>
Binding<In> Box(std::string field, Get get, int index,
                std::string_view hint = star::kDoubleClickHint) {
    return TextRow<In>(std::move(field), get, "T_3x_ip", index,
                       hint.empty() ? QStringList() : QStringList{FromUtf8(hint)});
}

// 定位杀 容错: the two editable lists Cb_rc 0 and 1.
Binding<In> PositionKillTolerance() {
    auto list = [](const ControlRegistry& c, int index) {
        return qobject_cast<QComboBox*>(c.require(QStringLiteral("Cb_rc"), index));
    };
    return {"position_kill_tolerance",
            [=](const ControlRegistry& c, In& in) {
                in.position_kill_tolerance = {list(c, 0)->currentText().toStdString(),
                                              list(c, 1)->currentText().toStdString()};
            },
            [=](const ControlRegistry& c, In& in) {
                list(c, 0)->setEditText(QString::fromStdString(in.position_kill_tolerance.lower));
                list(c, 1)->setEditText(QString::fromStdString(in.position_kill_tolerance.upper));
            }};
}

// 至少出胆个数: option k on is the value k + 1; none on is 0.
Binding<In> BankersAtLeast() {
    return {"bankers_at_least",
            [](const ControlRegistry& c, In& in) {
                in.bankers_at_least = 0;
                for (int k = 0; k < 3; ++k)
                    if (ReadChecked(c, QStringLiteral("Op_3x_danma_chu"), k))
                        in.bankers_at_least = k + 1;
            },
            [](const ControlRegistry& c, const In& in) {
                const int on = in.bankers_at_least - 1;
                if (on >= 0 && on < 3) {
                    WriteChecked(c, QStringLiteral("Op_3x_danma_chu"), on, true);
                    return;
                }
                // No option on: only a non-exclusive group lets the last one go.
                for (int k = 0; k < 3; ++k)
                    if (auto* b = c.at<QAbstractButton>(QStringLiteral("Op_3x_danma_chu"), k)) {
                        QButtonGroup* group = b->group();
                        if (group)
                            group->setExclusive(false);
                        b->setChecked(false);
                        if (group)
                            group->setExclusive(true);
                    }
            }};
}

Binding<In> PositionMatch() {
    auto list = [](const ControlRegistry& c) {
        return qobject_cast<QListWidget*>(c.require(QStringLiteral("L_3xwz_pp"), 0));
    };
    return {"position_match",
            [=](const ControlRegistry& c, In& in) {
                const QListWidget* rules = list(c);
                in.position_match.clear();
                for (int i = 0; i < rules->count(); ++i)
                    in.position_match.push_back(rules->item(i)->text().toStdString());
            },
            [=](const ControlRegistry& c, In& in) {
                QListWidget* rules = list(c);
                rules->clear();
                for (const std::string& rule : in.position_match)
                    rules->addItem(QString::fromStdString(rule));
            }};
}

Binding<In> BaseSetGroup() {
    auto control = [](const ControlRegistry& c) {
        return qobject_cast<EitherOrSwitch*>(c.require(QStringLiteral("dd_2x1"), 0));
    };
    return {
        "base_set_group",
        [=](const ControlRegistry& c, In& in) { in.base_set_group = control(c)->kaiguan() == 1; },
        [=](const ControlRegistry& c, In& in) {
            control(c)->setKaiguan(in.base_set_group ? 1 : 0);
        }};
}

Bindings<In> Build() {
    Bindings<In> rows = {
        Box("kill_direct", F<&In::kill_direct>(), 0),
        Box("kill_group", F<&In::kill_group>(), 21),
        Box("junk_compounds", F<&In::junk_compounds>(), 7),
        RangeRow<In>("junk_compounds_tolerance", F<&In::junk_compounds_tolerance>(), 8),
        Box("kill_pairs", F<&In::kill_pairs>(), 8),
        RangeRow<In>("kill_pairs_tolerance", F<&In::kill_pairs_tolerance>(), 9),
        Box("require_pairs", F<&In::require_pairs>(), 9),
        RangeRow<In>("position_kill_pairs_tolerance", F<&In::position_kill_pairs_tolerance>(), 10),
    };
    for (std::size_t j = 0; j < 3; ++j) {
        const int box = static_cast<int>(j);
        rows.push_back(Box(
            Indexed("position_kill_pairs", j),
            [j](auto& in) -> auto& { return in.position_kill_pairs[j]; }, 13 + box));
        rows.push_back(Box(
            Indexed("position_require_pairs", j),
            [j](auto& in) -> auto& { return in.position_require_pairs[j]; }, 16 + box));
    }
    // 两码和差: five rows of three boxes, T_lm_he 3·row + pair.
    using Row = std::array<std::string, 3> three::PairSums::*;
    const struct {
        const char* name;
        Row row;
    } pairRows[5] = {{"pair_sums.keep_sum", &three::PairSums::keep_sum},
                     {"pair_sums.exclude_sum", &three::PairSums::exclude_sum},
                     {"pair_sums.keep_diff", &three::PairSums::keep_diff},
                     {"pair_sums.exclude_diff", &three::PairSums::exclude_diff},
                     {"pair_sums.exclude_sum_tail", &three::PairSums::exclude_sum_tail}};
    for (int r = 0; r < 5; ++r)
        for (std::size_t j = 0; j < 3; ++j) {
            const Row row = pairRows[r].row;
            rows.push_back(TextRow<In>(
                Indexed(pairRows[r].name, j),
                [ row, j ](auto& in) -> auto& { return (in.pair_sums.*row)[j]; }, "T_lm_he",
                3 * r + static_cast<int>(j), {FromUtf8(three::kPairSumHint)}));
        }
    const Bindings<In> blocks = ButtonBlocks();
    rows.insert(rows.end(), blocks.begin(), blocks.end());
    const Bindings<In> rest = {
        PositionMatch(),
        Box("broken_groups", F<&In::broken_groups>(), 19),
        BankersAtLeast(),
        PositionKillTolerance(),
        CheckedRow<In>("banker_count_repeats", F<&In::banker_count_repeats>(), "Check_2x3x", 0),
        RangeRow<In>("banker_tolerance", F<&In::banker_tolerance>(), 17),
        RangeRow<In>("kill_shapes_tolerance", F<&In::kill_shapes_tolerance>(), 7),
        Box("largest_digits", F<&In::largest_digits>(), 1, {}),
        Box("smallest_digits", F<&In::smallest_digits>(), 2, {}),
        Box("base_set", F<&In::base_set>(), 3, star::kBaseSetHint),
        BaseSetGroup(),
        Box("must_keep", F<&In::must_keep>(), 4),
        RangeRow<In>("total_tolerance", F<&In::total_tolerance>(), 11),
    };
    rows.insert(rows.end(), rest.begin(), rest.end());
    return rows;
}

} // namespace

const Bindings<ThreeStarInput>& ThreeStarBindings() {
    static const Bindings<ThreeStarInput> rows = Build();
    return rows;
}

} // namespace sorvanta::ui
