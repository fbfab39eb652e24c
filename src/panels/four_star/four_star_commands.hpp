#pragma once

#include "engine4/candidate_set.hpp"
#include "panels/mode_commands.hpp"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

namespace sorvanta::ui {

class ControlRegistry;
class FourStarPanel;
class ProgressSink;

// The four-star commands (C_guolv_ks 0..9) and the panel's clear codes
// (C_cls): they read the panel, run the engine and write the result back
// through the panel. The window only routes presses here through its guard.
class FourStarCommands : public QObject, public ModeCommands {
    Q_OBJECT
public:
    FourStarCommands(FourStarPanel& panel, ControlRegistry& controls, ProgressSink& progress,
                     QObject* parent = nullptr);

    const four::FourStarState& state() const { return state_; }
    // The table every run starts from; start-up builds it once.
    void initCandidates();
    void initTables() override { initCandidates(); }

    void run(int index) override;     // C_guolv_ks 0..9
    void runClear(int code) override; // C_cls 0..35
    // Four-star's select-all buttons are clear codes (C_cls 13..19).
    void runSelectAll(int code) override { runClear(code); }
    // What the copy button C_guolv_ks `index` (1 or 5) puts on the
    // clipboard, and its "导出号码" saves; the empty text for others.
    QString copiedNumbers(int index) const override;
    // Empties the four-star result: list, count and the survivor text the
    // copy command and the win check read, so none of them acts on a result
    // that is no longer shown.
    void clearResult();
    // Lists `rows` (ascending) as the result, with the survivor text.
    void listRows(const std::vector<int>& rows);

    // What the clear code 28 runs after emptying the verification box.
    void setVerificationRunner(std::function<void()> run) { runVerification_ = std::move(run); }

private:
    void runShrink();
    void invertResult();
    void convertToGroup();
    void combineSets(int index);
    void resetPanel();

    FourStarPanel& panel_;
    ControlRegistry& controls_;
    ProgressSink& progress_;
    four::FourStarState state_;
    std::function<void()> runVerification_;
};

} // namespace sorvanta::ui
