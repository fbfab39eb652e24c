#pragma once

#include "history/draw_history.hpp"
#include "scheme/scheme_backtest.hpp"

#include <QDialog>
#include <QString>
#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;
class QScrollArea;
class QStackedWidget;
class QTableWidget;

namespace sorvanta::ui {

class ColourButton;

// A mode as the player calls it: "二星", "三星", "四星".
QString ModeName(Mode mode);

// The hit and miss of every tested draw as a row of small squares, latest
// first, wrapped every kPerRow draws; the pointer resting on a square names
// the draw and, for a miss, the groups that marked its number.
class HitStrip : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPerRow = 50;

    explicit HitStrip(QWidget* parent = nullptr);
    void setOutcomes(std::vector<scheme::DrawOutcome> outcomes);
    const std::vector<scheme::DrawOutcome>& outcomes() const { return outcomes_; }

    // The draw whose square is at `point`, or -1.
    int outcomeAt(QPoint point) const;
    QRect cellRect(int index) const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    int cell() const;
    std::vector<scheme::DrawOutcome> outcomes_;
};

// "方案回测": how the conditions of the panel in front would have done on the
// stored draws of the chosen lottery and line. It stays open beside the
// window without a modal loop, and runs again whenever its positions change
// or the draw table is refilled.
class BacktestDialog : public QDialog {
    Q_OBJECT
public:
    explicit BacktestDialog(QWidget* parent = nullptr);

    // The scheme to test. With `defaultPositions` the position buttons are
    // set to the mode's last positions; otherwise they keep the player's.
    void setScheme(const scheme::Scheme& scheme, bool defaultPositions);
    // The draws it reads at every run (the window's table) and their
    // lottery and line as the caption names them ("重庆 线路1").
    void setDraws(const history::HistoryState* history, const QString& source);
    // Runs the backtest again with the positions chosen and shows it.
    void rerun();

    const std::optional<scheme::SchemeBacktest>& result() const { return result_; }
    const std::optional<scheme::Scheme>& currentScheme() const { return scheme_; }
    // The positions chosen, 万 first.
    std::array<bool, 5> positions() const;

    std::array<ColourButton*, 5> positionButtons{};
    QLabel* caption;
    QLabel* positionNote;
    QStackedWidget* pages;
    // The figures, each a label of its own holding the number alone.
    QLabel* bets;
    QLabel* betShare;
    QLabel* draws;
    QLabel* hits;
    QLabel* hitRate;
    QLabel* longestHits;
    QLabel* longestMisses;
    QTableWidget* groups;
    HitStrip* strip;
    QLabel* message;
    QPushButton* importButton;

signals:
    // "导入开奖" on the page shown when there is no draw to test.
    void importRequested();

private:
    void showMessage(const QString& text, bool offerImport);
    void showResult(const scheme::SchemeBacktest& result);

    QScrollArea* stripArea_ = nullptr;
    std::optional<scheme::Scheme> scheme_;
    const history::HistoryState* history_ = nullptr;
    QString source_;
    std::optional<scheme::SchemeBacktest> result_;
};

} // namespace sorvanta::ui
