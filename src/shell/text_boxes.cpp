#include "shell/text_boxes.hpp"

#include <QTextCursor>

namespace sorvanta::ui {

TextBox::TextBox(const QString& text, QWidget* parent) : QPlainTextEdit(text, parent) {
    setTabChangesFocus(true);
}

// Emptied through an edit rather than clear(), so Ctrl+Z brings back a
// list that a stray double-click wiped.
void TextBox::mouseDoubleClickEvent(QMouseEvent*) {
    QTextCursor cursor = textCursor();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    setTextCursor(cursor);
}

LineBox::LineBox(const QString& text, QWidget* parent) : QLineEdit(text, parent) {}

void LineBox::mouseDoubleClickEvent(QMouseEvent*) {
    selectAll();
    del();
}

} // namespace sorvanta::ui
