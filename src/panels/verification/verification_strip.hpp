#pragma once

#include "common/mode.hpp"
#include "history/backtest.hpp"
#include "history/draw_history.hpp"
#include "shell/panel_kit.hpp"

#include <QFrame>
#include <QListWidget>
#include <QMap>

#include <array>
#include <functional>

class QButtonGroup;
class QLabel;
class QLayout;
class QPushButton;
class QRadioButton;

namespace sorvanta::history {
struct HistoryState;
struct OmissionFigures;
} // namespace sorvanta::history

namespace sorvanta::ui {

class ColourButton;
class ControlRegistry;
class LineBox;
class PictureBox;
class TextBox;

// The history list (List1). A draw file dropped on it is imported, the same
// as one chosen with "导入开奖".
class DrawList : public QListWidget {
    Q_OBJECT
public:
    explicit DrawList(QWidget* parent = nullptr);

signals:
    void fileDropped(const QString& path);
    void historyWindowRequested();
    // List1 was refilled with these lines, header first.
    void historyShown(const QStringList& lines);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

// The column beside the mode panels: draw history, the verification of a
// number list against past draws, and the extraction of past numbers. It
// belongs to no mode; every mode shows it.
class VerificationStrip : public QFrame {
    Q_OBJECT
public:
    // `groups.commands` takes its C_guolv_ks elements, `groups.clear` its
    // C_cls elements (the four-star clear codes 28 and 30), `groups.exports`
    // the "导出号码" beside its copy button; the window runs their presses.
    VerificationStrip(ControlRegistry& controls, const PanelGroups& groups,
                      QWidget* parent = nullptr);

    // What a mode switch resets: both boxes emptied, both counts "0", the
    // position selectors preset to the mode's last N positions.
    void set_mode_positions(Mode mode);

    // The back colours of C_wz 0..4 (group 1) or 5..9 (group 2), 万 first.
    std::array<int, 5> positionColours(int group) const;

    // The lottery (C_xl) and data line (Option_xl) chosen.
    history::Lottery lottery() const;
    history::DataLine line() const;

    // The verification: its box (T_cs_ip 5), its count (L_zs 0), the
    // positions it checks and the four figures (Label8 12..15).
    QString verifyText() const;
    void clearVerification();
    void showVerification(const QString& numbers, int count, const std::array<bool, 5>& positions);
    void showBacktestCaptions(const history::BacktestCaptions& captions);
    // The extraction: its box (T_cs_ip 6), its count (L_zs 1) and how many
    // draws it reads (T_cs_ip 4).
    QString extractedText() const;
    QString drawCountText() const;
    void setDrawCountText(const QString& text);
    void clearExtraction();
    void showExtraction(const QString& numbers, int count);

    // List1 from the table: the header and one line per row of the line.
    void ShowDrawHistory(const history::HistoryState& state);
    QStringList drawListLines() const;
    // `widget` is the draw list or lies inside it.
    bool inDrawList(const QWidget* widget) const;
    // Pic 16: the grid and its headings, then the figures when there are any.
    void DrawOmissionGrid();
    void FillOmissionGrid(const history::OmissionFigures& figures);

    // The source's one-line report and the seconds left before the next
    // collection (an empty text when none is due).
    void setStatus(const QString& text);
    void setCountdown(const QString& text);

    // "导入开奖" pressed, as by the player.
    void requestImport();
    // Where "导入开奖" asks for a file; tests answer it without a dialog.
    // The empty text means the player cancelled.
    void setFileChooser(std::function<QString()> choose) { chooseFile_ = std::move(choose); }
    QString chooseFile();

signals:
    // A press on one of the verify-position buttons 0..4 starts verification.
    void verifyPositionToggled();
    // Another lottery or data line was chosen; the strip has already shown
    // the choice and emptied the extraction, which read the other draws.
    void lotteryChosen(history::Lottery lottery);
    void lineChosen(history::DataLine line);
    void importRequested();
    void dataSourceRequested();
    void fileDropped(const QString& path);
    void historyWindowRequested();
    // List1 was refilled with these lines, header first.
    void historyShown(const QStringList& lines);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildHistoryArea();
    QLayout* buildLotteryRow(QWidget* area);
    QLayout* buildLineRow(QWidget* area);
    QLayout* buildCollectionRow(QWidget* area);
    QWidget* buildOmissionPicture(QWidget* area);
    QWidget* buildVerifyGroup();
    QWidget* buildExtractGroup();
    QLayout* positionRow(QWidget* owner, int first);
    QLayout* captionRow(QWidget* owner, const QString& caption, int help);
    void chooseLottery(int element);

    ControlRegistry& controls_;
    PanelKit kit_;
    std::function<QString()> chooseFile_;

    TextBox* verifyBox = nullptr;  // T_cs_ip 5
    TextBox* extractBox = nullptr; // T_cs_ip 6
    LineBox* drawCount = nullptr;  // T_cs_ip 4
    QLabel* L_zs[2] = {nullptr, nullptr};
    QLabel* resultLabels[4] = {nullptr, nullptr, nullptr, nullptr}; // Label8 12..15
    QMap<int, ColourButton*> C_wz;
    QMap<int, ColourButton*> C_xl; // 2..4
    QRadioButton* Option_xl[2] = {nullptr, nullptr};
    QLabel* countdown = nullptr;
    QLabel* status = nullptr;
    DrawList* List1 = nullptr;
    PictureBox* Pic = nullptr; // Pic 16
    QPushButton* importButton = nullptr;
    QPushButton* sourceButton = nullptr;
    QPushButton* historyButton = nullptr; // the list in a window of its own
};

} // namespace sorvanta::ui
