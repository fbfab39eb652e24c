#pragma once

#include "engine23/three_star_pipeline.hpp"
#include "panels/mode_commands.hpp"

#include <QObject>

#include <memory>

namespace sorvanta::ui {

class ControlRegistry;
class ThreeStarPanel;

// The three-star commands (C_2x3x_gn 0..13), clear codes (C_3x_cls 0..22,
// 37, 38) and select-all codes (C_3x_all 0..8), and the win check beside
// the result. They read the panel, run the engine and write the outcome
// back; the window only routes presses here through its guard.
class ThreeStarCommands : public QObject, public ModeCommands {
    Q_OBJECT
public:
    ThreeStarCommands(ThreeStarPanel& panel, ControlRegistry& controls, QObject* parent = nullptr);

    void run(int index) override;
    void runClear(int code) override;
    void runSelectAll(int code) override;
    QString copiedNumbers(int index) const override; // 1 or 11

    const three::ThreeStarState& state() const { return *state_; }

private:
    void shrink();
    void showResult(const std::string& text, int count);
    void invert();
    void convertToGroup();
    void clearAll();
    void suggestBankers();
    void combine(int index);
    void addMatchRule();
    void deleteMatchRules();
    void checkWin();

    ThreeStarPanel& panel_;
    ControlRegistry& controls_;
    // About 400 KB: kept off the stack and out of the QObject's own block.
    std::unique_ptr<three::ThreeStarState> state_;
};

} // namespace sorvanta::ui
