#pragma once

#include <QFrame>
#include <QListWidget>
#include <QMap>

#include <array>
#include <functional>

class QButtonGroup;
class QLabel;
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
    // `commands` is C_guolv_ks, `clearButtons` C_cls and `helpButtons`
    // C_234_sm; the window runs their presses.
    VerificationStrip(ControlRegistry& controls, QButtonGroup* commands, QButtonGroup* clearButtons,
                      QButtonGroup* helpButtons, QWidget* parent = nullptr);

    // What a mode switch resets: both boxes emptied, both counts "0", the
    // position selectors preset to the mode's last N positions.
    void set_mode_positions(int mode);

    // The back colours of C_wz 0..4 (group 1) or 5..9 (group 2), 万 first.
    std::array<int, 5> positionColours(int group) const;

    // List1 from the table: the header and one line per row of the line.
    void ShowDrawHistory(const history::HistoryState& state);
    // Pic 16: the grid and its headings, then the figures when there are any.
    void DrawOmissionGrid();
    void FillOmissionGrid(const history::OmissionFigures& figures);

    // The source's one-line report and the seconds left before the next
    // collection (an empty text when none is due).
    void setStatus(const QString& text);
    void setCountdown(const QString& text);

    // Where "导入开奖" asks for a file; tests answer it without a dialog.
    // The empty text means the player cancelled.
    void setFileChooser(std::function<QString()> choose) { chooseFile_ = std::move(choose); }
    QString chooseFile();

    TextBox* verifyBox;  // T_cs_ip 5
    TextBox* extractBox; // T_cs_ip 6
    LineBox* drawCount;  // T_cs_ip 4
    QLabel* L_zs[2];
    QLabel* resultLabels[4]; // Label8 12..15
    QMap<int, ColourButton*> C_wz;
    QMap<int, ColourButton*> C_xl; // 2..4
    QRadioButton* Option_xl[2];
    QLabel* countdown;
    QLabel* status;
    DrawList* List1;
    PictureBox* Pic; // Pic 16
    QPushButton* importButton;
    QPushButton* sourceButton;
    QPushButton* historyButton; // the list in a window of its own

signals:
    // A press on one of the verify-position buttons 0..4 starts verification.
    void verifyPositionToggled();
    void lotteryPressed(int element);
    // Option_xl `element` was switched on.
    void lineChosen(int element);
    void importRequested();
    void dataSourceRequested();
    void fileDropped(const QString& path);
    void historyWindowRequested();
    // List1 was refilled with these lines, header first.
    void historyShown(const QStringList& lines);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildHistoryArea(QButtonGroup* helpButtons);

    ControlRegistry& controls_;
    std::function<QString()> chooseFile_;
};

} // namespace sorvanta::ui
