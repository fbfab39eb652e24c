#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>

namespace sorvanta::ui {

// Text boxes of the condition panels: a double-click empties them, which is
// how players clear a box (and its "双击清空" hint) in one gesture. A box
// given its hint selects the whole hint when it takes the focus, so typing
// replaces the hint instead of landing in the middle of it.
class TextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextBox(const QString& text = {}, QWidget* parent = nullptr);
    QString text() const { return toPlainText(); }
    void setText(const QString& text) { setPlainText(text); }
    // The texts the box shows as its hint (its starting text and the one a
    // reset puts back).
    void setHints(const QStringList& hints) { hints_ = hints; }

signals:
    void emptiedByDoubleClick();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    // A paste that would make the box longer than it may hold is refused
    // with a message, and the box keeps its text; nothing is cut.
    void insertFromMimeData(const QMimeData* source) override;

private:
    QStringList hints_;
};

class LineBox : public QLineEdit {
    Q_OBJECT
public:
    explicit LineBox(const QString& text = {}, QWidget* parent = nullptr);
    // The texts the box shows as its hint (its starting text and the one a
    // reset puts back).
    void setHints(const QStringList& hints) { hints_ = hints; }

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QStringList hints_;
};

// The message a refused paste shows, under "温馨提示".
QString PasteTooLongText(qsizetype limit);

} // namespace sorvanta::ui
