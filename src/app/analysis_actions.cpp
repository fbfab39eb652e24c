#include "app/analysis_actions.hpp"

#include "app/backtest_dialog.hpp"
#include "app/fmain.hpp"
#include "app/scheme_actions.hpp"
#include "app/stats_dialog.hpp"
#include "app/trend_chart.hpp"
#include "shell/message_box.hpp"

#include <QLabel>

#include <exception>

namespace sorvanta::ui {

AnalysisActions::AnalysisActions(Fmain& window, SchemeActions& schemes)
    : QObject(&window), window_(window), schemes_(schemes) {
    if (HistorySource* source = window_.historySource())
        connect(source, &HistorySource::historyChanged, this, &AnalysisActions::refresh);
}

AnalysisActions::~AnalysisActions() {
    delete stats_;
    delete trend_;
}

StatsDialog* AnalysisActions::statsDialog() const {
    return stats_;
}

TrendWindow* AnalysisActions::trendWindow() const {
    return trend_;
}

void AnalysisActions::showStats() {
    if (!stats_) {
        stats_ = new StatsDialog(&window_);
        connect(stats_, &StatsDialog::applyRequested, this, &AnalysisActions::apply);
        connect(stats_, &StatsDialog::helpRequested, this,
                [this] { showHelp(stats_, QStringLiteral("条件统计")); });
    }
    stats_->setMode(window_.mode());
    stats_->setDraws(&window_.historyState(), schemes_.drawSourceName());
    stats_->rerun();
    stats_->show();
    stats_->raise();
    stats_->activateWindow();
}

void AnalysisActions::showTrend() {
    if (!trend_) {
        trend_ = new TrendWindow(&window_);
        connect(trend_, &TrendWindow::helpRequested, this,
                [this] { showHelp(trend_, QStringLiteral("走势图")); });
    }
    trend_->setDraws(window_.historyState(), window_.mode(), schemes_.drawSourceName());
    trend_->show();
    trend_->raise();
    trend_->activateWindow();
}

void AnalysisActions::apply(const std::vector<scheme::Toggle>& toggles) {
    if (!stats_)
        return;
    const scheme::Scheme current = schemes_.currentScheme();
    if (current.mode != stats_->mode()) {
        stats_->message->setText(QStringLiteral("现在面前的是%1面板，表中是%2的按钮；"
                                                "请切换回%2，或重新点“条件统计”。")
                                     .arg(ModeName(current.mode), ModeName(stats_->mode())));
        return;
    }
    try {
        int added = 0;
        const scheme::Scheme next = scheme::AddToggles(current, toggles, &added);
        schemes_.writeScheme(next);
        stats_->showApplied(added, static_cast<int>(toggles.size()));
    } catch (const std::exception& error) {
        stats_->message->setText(QStringLiteral("无法应用：") + QString::fromUtf8(error.what()));
    }
}

void AnalysisActions::showHelp(QWidget* over, const QString& key) {
    MessageBox::information(over, window_.help().title(key), window_.help().topic(key));
}

void AnalysisActions::refresh() {
    if (stats_ && stats_->isVisible()) {
        stats_->setDraws(&window_.historyState(), schemes_.drawSourceName());
        stats_->rerun();
    }
    if (trend_ && trend_->isVisible())
        trend_->setDraws(window_.historyState(), window_.mode(), schemes_.drawSourceName());
}

} // namespace sorvanta::ui
