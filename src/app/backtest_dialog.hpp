#pragma once

#include "history/draw_history.hpp"
#include "scheme/scheme_backtest.hpp"

#include <QChartView>
#include <QDialog>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QLineSeries;
class QPushButton;
class QScatterSeries;
class QScrollArea;
class QStackedWidget;
class QTabWidget;
class QTableWidget;
class QVBoxLayout;

namespace sorvanta::ui {

class ColourButton;

// A mode as the player calls it: "二星", "三星", "四星".
QString ModeName(Mode mode);

// "号码位置" and the five position buttons 万 to 个 (`prefix`Position_k),
// each toggled by a click, after which `changed` runs; `note` (named
// `prefix`PositionNote) follows them. The backtest and the statistics
// choose their positions with it.
QHBoxLayout* PositionChoice(QWidget* owner, const QString& prefix,
                            std::array<ColourButton*, 5>& buttons, QLabel*& note,
                            const std::function<void()>& changed);

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

// The balance of the backtest's purse after every tested draw, oldest on the
// left, with the zero line and the lowest point marked; the pointer resting
// on the line names the nearest draw.
class BalanceChart : public QChartView {
    Q_OBJECT
public:
    explicit BalanceChart(QWidget* parent = nullptr);
    // The result's purse, or an empty chart when it has none.
    void setResult(const scheme::SchemeBacktest& result);
    void clear();

    int points() const;
    // The oldest-first index of the lowest balance, -1 when empty.
    int lowestStep() const { return lowest_; }
    // "期号20260101-038　挂　倍数2　余额-420.00" for the draw at `step`
    // (0 the oldest); empty outside the draws.
    QString toolTipOf(int step) const;
    // The step nearest a point in the chart's value coordinates.
    int stepNear(QPointF value) const;

private:
    QLineSeries* balance_;
    QLineSeries* zero_;
    QScatterSeries* lowestMark_;
    struct Step {
        QString period;
        bool hit = false;
        int multiplier = 0;
        QString balance;
    };
    std::vector<Step> steps_; // oldest first
    int lowest_ = -1;
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
    QLabel* rateNote;
    QLabel* message;
    QPushButton* importButton;
    // The money: what a bet costs, what a hit pays at multiplier 1, and the
    // 倍投 plan as typed, kept per mode; the refusal of a bad field; the
    // seven figures, each the number alone as the command-line tool writes it.
    QLineEdit* price;
    QLineEdit* prize;
    QLineEdit* plan;
    QLabel* moneyRefusal;
    QLabel* cost;
    QLabel* paid;
    QLabel* profit;
    QLabel* returnRate;
    QLabel* lowestBalance;
    QLabel* maxDrawdown;
    QLabel* highestMultiplier;
    QLabel* highestNeeds; // what a draw at the highest multiplier costs
    BalanceChart* chart;
    QPushButton* moneyHelp;

    // Shrinks the dialog to `available` (a screen's free area) when it would
    // not fit; its content scrolls then.
    void fitInto(const QRect& available);

signals:
    // "导入开奖" on the page shown when there is no draw to test.
    void importRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildResultPage();
    QGridLayout* buildSummary(QWidget* page);
    QGroupBox* buildMoney(QWidget* page);
    QTabWidget* buildTabs(QWidget* resultPage);
    void buildHitStrip(QWidget* resultPage, QVBoxLayout* rv);
    QWidget* buildMessagePage();
    void showMessage(const QString& text, bool offerImport);
    void showResult(const scheme::SchemeBacktest& result);
    // The fields of the mode: its stored texts, or its defaults.
    void loadMoneyFields(Mode mode);
    // Reads the fields, stores them for the mode and shows the purse.
    void moneyChanged();
    void showMoney();

    QScrollArea* stripArea_ = nullptr;
    QScrollArea* body_ = nullptr;
    std::optional<Mode> moneyMode_;
    bool loadingMoney_ = false;
    std::optional<scheme::Scheme> scheme_;
    const history::HistoryState* history_ = nullptr;
    QString source_;
    std::optional<scheme::SchemeBacktest> result_;
};

} // namespace sorvanta::ui
