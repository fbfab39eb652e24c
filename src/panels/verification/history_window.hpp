#pragma once

#include <QDialog>

class QHBoxLayout;
class QListWidget;

namespace sorvanta::history {
struct HistoryState;
}

namespace sorvanta::ui {

// The history list in a window of its own that the player can make as
// large as the screen: the same lines and marks as List1, refreshed with
// it, and "删除此期…" on a draw's row to take a wrong draw out of the store.
class HistoryWindow : public QDialog {
    Q_OBJECT
public:
    HistoryWindow(const history::HistoryState& state, QWidget* parent);

    // The lines List1 shows now, header first.
    void showLines(const QStringList& lines);
    // The context menu's action on list row `row` (0 is the header): asks
    // first, then requests the deletion of the row's period.
    void askToDelete(int row);

    // Puts a button (the help on importing and correcting draws) under the
    // list.
    void addFooterButton(QWidget* button);

    QListWidget* list;

signals:
    void deleteRequested(const QString& period);

private:
    const history::HistoryState& state_;
    QHBoxLayout* footer_;
};

} // namespace sorvanta::ui
