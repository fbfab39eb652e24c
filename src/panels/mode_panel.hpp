#pragma once

#include "common/mode.hpp"
#include "panels/bindings.hpp"
#include "panels/mode_commands.hpp"
#include "scheme/scheme.hpp"

#include <QFont>
#include <QFrame>
#include <QString>

#include <algorithm>
#include <variant>

namespace sorvanta::ui {

// One mode's condition panel as the window sees it: the window keeps a
// table of these, one per mode, and routes the mode buttons, the scheme
// actions, the copy and export buttons and every command press through it.
// Which control holds which condition stays the panel's own business.
class ModePanel {
public:
    virtual ~ModePanel() = default;

    virtual Mode mode() const = 0;
    // The panel's frame, Pic_di element Index(mode()).
    virtual QWidget* frame() = 0;

    // The whole panel as its mode's input (a scheme's conditions) and back;
    // an input of another mode changes nothing.
    virtual scheme::SchemeInput readModeInput() const = 0;
    virtual void writeModeInput(const scheme::SchemeInput& input) = 0;

    // The result field (numbers separated by single blanks) and its count.
    virtual void showResult(const QString& numbers, int count) = 0;
    virtual void clearResult() { showResult(QString(), 0); }

    // The commands its buttons run: the window routes the presses of the
    // panel's command, clear and select-all groups here.
    virtual ModeCommands& commands() const = 0;
    // What copy button `index` of the panel's command array puts on the
    // clipboard, and the "导出号码" beside it saves; empty for any other.
    QString copiedNumbers(int index) const { return commands().copiedNumbers(index); }
};

// The frame every mode's panel is: a QFrame that is a ModePanel of mode
// `M`, whose typed input stands for the scheme's alternative and is read and
// written through the mode's binding rows (`Rows`). A panel sets its
// commands once it has built its controls.
template <class Input, Mode M, const Bindings<Input>& (*Rows)()>
class ModeFrame : public QFrame, public ModePanel {
public:
    ModeFrame(const ControlRegistry& controls, QWidget* parent)
        : QFrame(parent), registry_(controls) {
        setFrameShape(QFrame::StyledPanel);
        // The three mode panels overlap; only the front one may be seen.
        setAutoFillBackground(true);
        // Hundreds of condition controls share a panel: a point smaller
        // keeps every caption whole. Taken before the controls are built,
        // since the small buttons take their fixed sizes from it.
        compact_ = font();
        compact_.setPointSizeF(std::max(7.5, compact_.pointSizeF() - 1));
    }

    Input readInput() const { return ReadAll(Rows(), registry_); }
    void writeInput(const Input& input) { WriteAll(Rows(), registry_, input); }
    // The whole-panel clear: `cleared` (the engine's Cleared…Input of what
    // the panel held) written, each empty box showing its reset hint.
    void writeClearedInput(const Input& cleared) { WriteAllAsReset(Rows(), registry_, cleared); }

    Mode mode() const final { return M; }
    QWidget* frame() final { return this; }
    scheme::SchemeInput readModeInput() const final { return readInput(); }
    void writeModeInput(const scheme::SchemeInput& input) final {
        if (const auto* own = std::get_if<Input>(&input))
            writeInput(*own);
    }
    ModeCommands& commands() const final { return *commands_; }

protected:
    void setCommands(ModeCommands* commands) { commands_ = commands; }
    const QFont& compactFont() const { return compact_; }

private:
    const ControlRegistry& registry_;
    ModeCommands* commands_ = nullptr;
    QFont compact_;
};

} // namespace sorvanta::ui
