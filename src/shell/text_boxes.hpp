#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>

#include <optional>

class QComboBox;

namespace sorvanta::ui {

// An edit too long for a box's own undo history, taken in one step: what the
// box held before and after it, so that Ctrl+Z and Ctrl+Y can swap the two.
class LongEditSteps {
public:
    struct Step {
        QString before;
        QString after;
        qsizetype start = 0; // the replaced selection, in `before`
        qsizetype end = 0;
        qsizetype cursor = 0; // where the edit left the cursor, in `after`
    };
    void record(Step step);
    // The step Ctrl+Z would take back (Ctrl+Y do again) while the box shows
    // `current`; none once the box shows anything else.
    const Step* undoable(const QString& current) const;
    const Step* redoable(const QString& current) const;
    void undone();
    void redone();

private:
    std::optional<Step> undo_;
    std::optional<Step> redo_;
};

// Text boxes of the condition panels: a double-click empties them, which is
// how players clear a box (and its "双击清空" hint) in one gesture; a
// read-only box (a result) only selects. A box
// given its hint selects the whole hint when it takes the focus, so typing
// replaces the hint instead of landing in the middle of it.
//
// Every way text gets in (Ctrl+V, the menu's 粘贴, a middle click, a drop)
// takes it whole or refuses it with a message, and the box keeps its text.
class TextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextBox(const QString& text = {}, QWidget* parent = nullptr);
    ~TextBox() override;
    QString text() const { return toPlainText(); }
    void setText(const QString& text) { setPlainText(text); }
    // The texts the box shows as its hint (its starting text and the one a
    // reset puts back).
    void setHints(const QStringList& hints) { hints_ = hints; }
    const QStringList& hints() const { return hints_; }
    // Ctrl+Z and Ctrl+Y: the document's own history first, then a long
    // paste.
    void undoEdit();
    void redoEdit();

signals:
    void emptiedByDoubleClick();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    bool admits(qsizetype pasted, qsizetype replaced, bool afterDrop);
    void takeLongPaste(const QMimeData* source);
    void showRaw(const QString& raw, qsizetype anchor, qsizetype position);
    const LongEditSteps::Step* undoableStep() const;
    const LongEditSteps::Step* redoableStep() const;
    void keepWrappingFast(int position, int removed, int added);
    void wrapAnywhere(bool on);

    QStringList hints_;
    LongEditSteps longEdits_;
    bool inDrop_ = false;
    QTextOption::WrapMode ownWrap_ = QTextOption::WrapAtWordBoundaryOrAnywhere;
};

class LineBox : public QLineEdit {
    Q_OBJECT
public:
    explicit LineBox(const QString& text = {}, QWidget* parent = nullptr);
    // The texts the box shows as its hint (its starting text and the one a
    // reset puts back).
    void setHints(const QStringList& hints) { hints_ = hints; }
    const QStringList& hints() const { return hints_; }
    // A condition box empties on a double click; a box that edits a number
    // in another control (a range's bound) keeps the line's word selection.
    void setClearsOnDoubleClick(bool clears) { clearsOnDoubleClick_ = clears; }
    // Ctrl+Z and Ctrl+Y: the line's own history first, then a long edit.
    void undoEdit();
    void redoEdit();

protected:
    // Every way a long text comes in is checked against the limit: a
    // middle-click paste, the Chinese edit menu's paste and a drop.
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // A double click empties the box; focus selects a hint so typing
    // replaces it; Ctrl+Z and Ctrl+Y reach the long edits too.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool admits(qsizetype pasted, qsizetype replaced, bool afterDrop);
    // True when `pasted` was refused, or taken here as one long edit; false
    // leaves it to the line's own paste.
    bool refusedOrTaken(const QString& pasted);
    void replace(qsizetype start, qsizetype end, const QString& with);
    void removeSelection();
    // A long edit's text, with `start` to `end` selected (the cursor there
    // when they meet).
    void showStep(const QString& shown, qsizetype start, qsizetype end);

    QStringList hints_;
    LongEditSteps longEdits_;
    bool clearsOnDoubleClick_ = true;
};

// Makes an editable drop-down's line a LineBox, so a long paste into it is
// taken whole or refused with a word, as in every box, and its menu speaks
// Chinese. A double click selects a word there rather than emptying it: the
// line edits a number the list also offers.
LineBox* UseLineBox(QComboBox* box);

// The message a refused paste shows, under "温馨提示".
QString PasteTooLongText(qsizetype limit);

} // namespace sorvanta::ui
