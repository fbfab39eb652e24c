// Which control holds which three-star field: the typed boxes and ranges one
// row each, the toggle blocks from the engine's block table, and the few
// controls of their own kind (option buttons, the rule list, the switch).
#include "panels/three_star/three_star_bindings.hpp"

#include "engine23/star_text.hpp"
#include "engine23/three_star_captions.hpp"
#include "panels/three_star/three_star_panel.hpp"
#include "shell/colour_button.hpp"
#include "shell/control_registry.hpp"
#include "shell/either_or_switch.hpp"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QListWidget>

#include <functional>
#include <map>
#include <stdexcept>
#include <string>

namespace sorvanta::ui {

namespace {

using three::ThreeStarInput;
using In = ThreeStarInput;

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A block's buttons are chosen when they are any colour but grey; they are
// written in the colour their array shows when chosen.
int ChosenColour(const three::ButtonBlock& block) {
    return block.array == three::kExcludeButtons ? Colour::Yellow : Colour::On;
}

// The value a chosen button stands for is its caption read as a number, so
// rows captioned "9" down to "0" need no reversal here.
template <std::size_t N>
Binding<In> NumberBlock(const three::ButtonBlock& block, std::function<std::bitset<N>&(In&)> get) {
    const QString array = fromView(block.array);
    return {std::string(block.field),
            [=](const ControlRegistry& c, In& in) {
                std::bitset<N>& bits = get(in);
                bits.reset();
                for (std::size_t i = 0; i < block.captions.size(); ++i) {
                    const auto* b = c.at<ColourButton>(array, block.first + static_cast<int>(i));
                    const int value = fromView(block.captions[i]).toInt();
                    if (b && b->backColor() != Colour::Off && value >= 0 &&
                        static_cast<std::size_t>(value) < N)
                        bits.set(static_cast<std::size_t>(value));
                }
            },
            [=](const ControlRegistry& c, In& in) {
                const std::bitset<N>& bits = get(in);
                for (std::size_t i = 0; i < block.captions.size(); ++i) {
                    auto* b = c.at<ColourButton>(array, block.first + static_cast<int>(i));
                    const int value = fromView(block.captions[i]).toInt();
                    if (b)
                        b->setBackColor(value >= 0 && static_cast<std::size_t>(value) < N &&
                                                bits.test(static_cast<std::size_t>(value))
                                            ? ChosenColour(block)
                                            : Colour::Off);
                }
            }};
}

Binding<In> CaptionBlock(const three::ButtonBlock& block, std::function<CaptionSet&(In&)> get) {
    const int last = block.first + static_cast<int>(block.captions.size()) - 1;
    const QString array = fromView(block.array);
    return {std::string(block.field),
            [=](const ControlRegistry& c, In& in) {
                get(in) = ReadCaptions(c, array, block.first, last, 0);
            },
            [=](const ControlRegistry& c, In& in) {
                WriteCaptions(c, array, block.first, last, get(in), ChosenColour(block));
            }};
}

using DigitGet = std::function<DigitSet&(In&)>;
using CaptionGet = std::function<CaptionSet&(In&)>;

// The input member of every digit block, by the block's field.
std::map<std::string, DigitGet> DigitFields() {
    std::map<std::string, DigitGet> fields = {
        {"kill_sum_tails", F<&In::kill_sum_tails>()},
        {"kill_spans", F<&In::kill_spans>()},
        {"bankers", F<&In::bankers>()},
        {"keep_counts.big",
         [](In& in) -> DigitSet& {
             return in.keep_counts.big;
         }},
        {"keep_counts.odd",
         [](In& in) -> DigitSet& {
             return in.keep_counts.odd;
         }},
        {"keep_counts.prime",
         [](In& in) -> DigitSet& {
             return in.keep_counts.prime;
         }},
        {"positional_bankers.hundreds",
         [](In& in) -> DigitSet& {
             return in.positional_bankers.hundreds;
         }},
        {"positional_bankers.tens",
         [](In& in) -> DigitSet& {
             return in.positional_bankers.tens;
         }},
        {"positional_bankers.units",
         [](In& in) -> DigitSet& {
             return in.positional_bankers.units;
         }},
        {"positional_bankers.counts",
         [](In& in) -> DigitSet& {
             return in.positional_bankers.counts;
         }},
        {"any_two_sum_tails", F<&In::any_two_sum_tails>()},
        {"any_two_diffs", F<&In::any_two_diffs>()},
    };
    for (std::size_t r = 0; r < 3; ++r) {
        fields[Indexed("exclude_compound", r)] = [r](In& in) -> DigitSet& {
            return in.exclude_compound[r];
        };
        fields[Indexed("position_kill", r)] = [r](In& in) -> DigitSet& {
            return in.position_kill[r];
        };
    }
    for (std::size_t r = 0; r < 4; ++r) {
        fields[Indexed("banker_rows", r) + ".digits"] = [r](In& in) -> DigitSet& {
            return in.banker_rows[r].digits;
        };
        fields[Indexed("banker_rows", r) + ".counts"] = [r](In& in) -> DigitSet& {
            return in.banker_rows[r].counts;
        };
    }
    return fields;
}

std::map<std::string, CaptionGet> CaptionFields() {
    return {
        {"kill_shapes.big_small",
         [](In& in) -> CaptionSet& {
             return in.kill_shapes.big_small;
         }},
        {"kill_shapes.odd_even",
         [](In& in) -> CaptionSet& {
             return in.kill_shapes.odd_even;
         }},
        {"kill_shapes.prime_composite",
         [](In& in) -> CaptionSet& {
             return in.kill_shapes.prime_composite;
         }},
        {"exclude_routes", F<&In::exclude_routes>()},
        {"special_exclusions", F<&In::special_exclusions>()},
    };
}

Bindings<In> ButtonBlocks() {
    const std::map<std::string, DigitGet> digits = DigitFields();
    const std::map<std::string, CaptionGet> captions = CaptionFields();
    Bindings<In> rows;
    for (const three::ButtonBlock& block : three::kThreeStarButtonBlocks) {
        const std::string field(block.field);
        if (field == "kill_sums")
            rows.push_back(NumberBlock<28>(block, F<&In::kill_sums>()));
        else if (auto d = digits.find(field); d != digits.end())
            rows.push_back(NumberBlock<10>(block, d->second));
        else if (auto t = captions.find(field); t != captions.end())
            rows.push_back(CaptionBlock(block, t->second));
        else
            throw std::logic_error("no input member for the button block " + field);
    }
    return rows;
}

// The boxes' hints are no input: ReadText and WriteText see to that. Most
// condition boxes say "双击清空"; the largest and smallest digits none.
template <class Get>
Binding<In> Box(std::string field, Get get, int index,
                std::string_view hint = star::kDoubleClickHint) {
    return TextRow<In>(std::move(field), get, "T_3x_ip", index,
                       hint.empty() ? QStringList() : QStringList{fromView(hint)});
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
                3 * r + static_cast<int>(j), {fromView(three::kPairSumHint)}));
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
