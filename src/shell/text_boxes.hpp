#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>

namespace sorvanta::ui {

// Text boxes of the condition panels: a double-click empties them, which is
// how players clear a box (and its "双击清空" hint) in one gesture.
class TextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextBox(const QString& text = {}, QWidget* parent = nullptr);
    QString text() const { return toPlainText(); }
    void setText(const QString& text) { setPlainText(text); }

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

class LineBox : public QLineEdit {
    Q_OBJECT
public:
    explicit LineBox(const QString& text = {}, QWidget* parent = nullptr);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace sorvanta::ui
