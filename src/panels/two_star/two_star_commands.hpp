#pragma once

#include "engine23/two_star_pipeline.hpp"
#include "panels/mode_commands.hpp"

#include <QObject>

namespace sorvanta::ui {

class ControlRegistry;
class TwoStarPanel;

// The two-star commands (C_2x3x_gn 14..18) and the panel's clear (C_3x_cls
// 23..36) and select-all (C_3x_all 9..12) codes: they read the panel, run
// the engine and write the result back. The window routes presses here.
class TwoStarCommands : public QObject, public ModeCommands {
public:
    TwoStarCommands(TwoStarPanel& panel, ControlRegistry& controls, QObject* parent = nullptr);

    void run(int index) override;
    void runClear(int code) override;
    void runSelectAll(int code) override;
    QString copiedNumbers(int index) const override; // 15

private:
    void show(const std::vector<int>& numbers);

    TwoStarPanel& panel_;
    ControlRegistry& controls_;
    two::TwoStarState state_;
};

} // namespace sorvanta::ui
