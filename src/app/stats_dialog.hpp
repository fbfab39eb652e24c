#pragma once

#include "history/draw_history.hpp"
#include "scheme/condition_stats.hpp"

#include <QDialog>
#include <QString>

#include <array>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

namespace sorvanta::ui {

class ColourButton;

// "条件统计": for the mode in front, every condition button alone against
// the stored draws of the chosen lottery and line — how often it would have
// killed the winning number, against what chance gives a button of its
// size. Rows can be ticked and put on the panel with "应用到面板". It stays
// open beside the window and runs again when its choices or the draws change.
class StatsDialog : public QDialog {
    Q_OBJECT
public:
    // The choices of N, latest draws; 0 is every draw of the line.
    static constexpr std::array<int, 8> kDrawCounts = {30, 50, 100, 200, 500, 1000, 5000, 0};

    explicit StatsDialog(QWidget* parent = nullptr);

    // The mode whose buttons are listed; another mode starts from its
    // positions and clears the ticks.
    void setMode(Mode mode);
    Mode mode() const { return mode_; }
    void setDraws(const history::HistoryState* history, const QString& source);
    void rerun();

    const std::optional<scheme::ConditionStats>& result() const { return result_; }
    // The buttons of the rows ticked, in the panel's order.
    std::vector<scheme::Toggle> checkedToggles() const;
    // Ticks or unticks the row of a button (as the player's click does).
    bool setChecked(const std::string& field, const std::string& value, bool on);
    // After "应用到面板": how many buttons were put on the panel.
    void showApplied(int added, int chosen);

    std::array<ColourButton*, 5> positionButtons{};
    QLabel* caption;
    QLabel* positionNote;
    QComboBox* drawCount;
    QComboBox* groupFilter;
    QTableView* table;
    QStandardItemModel* model;
    QSortFilterProxyModel* proxy;
    QLabel* note;
    QLabel* message;
    QPushButton* applyButton;

signals:
    void applyRequested(const std::vector<scheme::Toggle>& toggles);
    void helpRequested();

private:
    void fill(const scheme::ConditionStats& stats);
    void showMessage(const QString& text);
    std::array<bool, 5> positions() const;

    Mode mode_ = Mode::Four;
    bool modeSet_ = false;
    const history::HistoryState* history_ = nullptr;
    QString source_;
    std::optional<scheme::ConditionStats> result_;
    // Ticks by the button's place in the mode's list, kept across reruns.
    std::vector<bool> checked_;
    bool filling_ = false;
};

} // namespace sorvanta::ui
