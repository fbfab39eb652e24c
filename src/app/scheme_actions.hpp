#pragma once

#include "scheme/scheme.hpp"

#include <QObject>
#include <QPointer>
#include <QString>

namespace sorvanta::ui {

class BacktestDialog;
class Fmain;

// A refused scheme in a player's words: what is wrong and where, naming a
// condition by its panel caption wherever the field has one.
QString SchemeRefusal(const scheme::SchemeError& error);

// Schemes in the window: "保存方案" writes the panel in front as a scheme
// file, "载入方案" (or a scheme file dropped on the window) reads one of any
// mode into its panel, "方案回测" tests the panel's conditions on the stored
// draws, and every "导出号码" saves a number list as text. The window routes
// the presses here through its guard.
class SchemeActions : public QObject {
    Q_OBJECT
public:
    explicit SchemeActions(Fmain& window);
    ~SchemeActions() override;

    // The conditions of the panel in front, as a scheme.
    scheme::Scheme currentScheme() const;

    void saveScheme();
    void loadScheme();
    // Reads, checks and loads the file; a file that cannot be used is
    // refused with a box and leaves every panel as it was.
    bool loadSchemeFile(const QString& path);
    void exportNumbers(const QString& numbers);
    void showBacktest();

    // The one backtest dialog, once it was opened.
    BacktestDialog* backtestDialog() const;

    // Puts a scheme's conditions on its mode's panel through the panel's bindings.
    void writeScheme(const scheme::Scheme& scheme);
    // The lottery and line of the stored draws, as captions name them ("重庆 线路1").
    QString drawSourceName() const;

signals:
    // A scheme file was dropped on the window anywhere but on the draw list,
    // which takes draw files. Emitted after the drop has ended.
    void schemeDropped(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refreshBacktest();

    Fmain& window_;
    QPointer<BacktestDialog> dialog_;
};

} // namespace sorvanta::ui
