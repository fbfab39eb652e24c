#pragma once

#include "scheme/condition_stats.hpp"

#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

namespace sorvanta::ui {

class Fmain;
class SchemeActions;
class StatsDialog;
class TrendWindow;

// What a player looks at before shrinking: "条件统计" (every button of the
// panel in front against the stored draws, ticked rows put on the panel) and
// "走势图" (the stored draws as a trend chart). Both windows stay open beside
// the main window and follow new draws.
class AnalysisActions : public QObject {
    Q_OBJECT
public:
    AnalysisActions(Fmain& window, SchemeActions& schemes);
    ~AnalysisActions() override;

    void showStats();
    void showTrend();
    // Adds the buttons to the panel in front through its own bindings, as if
    // the player had clicked them, and says how many it ticked.
    void apply(const std::vector<scheme::Toggle>& toggles);

    StatsDialog* statsDialog() const;
    TrendWindow* trendWindow() const;

private:
    void refresh();
    void showHelp(QWidget* over, const QString& key);

    Fmain& window_;
    SchemeActions& schemes_;
    QPointer<StatsDialog> stats_;
    QPointer<TrendWindow> trend_;
};

} // namespace sorvanta::ui
