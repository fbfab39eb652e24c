#include "shell/text_boxes.hpp"

#include <QFocusEvent>
#include <QPointer>
#include <QTextCursor>
#include <QTimer>

namespace sorvanta::ui {

namespace {

bool SelectsOnFocus(const QFocusEvent* event) {
    return event->reason() == Qt::MouseFocusReason || event->reason() == Qt::TabFocusReason ||
           event->reason() == Qt::BacktabFocusReason;
}

} // namespace

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
    emit emptiedByDoubleClick();
}

void TextBox::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    if (!SelectsOnFocus(event) || !hints_.contains(text()))
        return;
    // After the click that gave the focus has placed its cursor.
    QPointer<TextBox> self(this);
    QTimer::singleShot(0, this, [self] {
        if (self && self->hints_.contains(self->text()))
            self->selectAll();
    });
}

LineBox::LineBox(const QString& text, QWidget* parent) : QLineEdit(text, parent) {}

void LineBox::mouseDoubleClickEvent(QMouseEvent*) {
    selectAll();
    del();
}

void LineBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (!SelectsOnFocus(event) || !hints_.contains(text()))
        return;
    QPointer<LineBox> self(this);
    QTimer::singleShot(0, this, [self] {
        if (self && self->hints_.contains(self->text()))
            self->selectAll();
    });
}

} // namespace sorvanta::ui
