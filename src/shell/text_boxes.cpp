#include "shell/text_boxes.hpp"

#include "common/limits.hpp"
#include "shell/message_box.hpp"

#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPointer>
#include <QTextCursor>
#include <QTimer>

namespace sorvanta::ui {

namespace {

bool SelectsOnFocus(const QFocusEvent* event) {
    return event->reason() == Qt::MouseFocusReason || event->reason() == Qt::TabFocusReason ||
           event->reason() == Qt::BacktabFocusReason;
}

// The length a box would have after a paste replaced its selection.
qsizetype LengthAfterPaste(qsizetype length, qsizetype selected, const QString& pasted) {
    return length - selected + pasted.size();
}

bool Fits(qsizetype length) {
    return length <= static_cast<qsizetype>(kMaxTextCharacters);
}

} // namespace

QString PasteTooLongText(qsizetype limit) {
    return QStringLiteral("粘贴的内容太长：这个框最多 %1 个字符，本次粘贴已取消，框内原有内容保留")
        .arg(limit);
}

void TextBox::insertFromMimeData(const QMimeData* source) {
    if (!source || !source->hasText())
        return;
    const QString pasted = source->text();
    const QTextCursor cursor = textCursor();
    const qsizetype selected = cursor.selectionEnd() - cursor.selectionStart();
    if (!Fits(LengthAfterPaste(document()->characterCount() - 1, selected, pasted))) {
        MessageBox::information(this, QStringLiteral("温馨提示"),
                                PasteTooLongText(static_cast<qsizetype>(kMaxTextCharacters)));
        return;
    }
    // A long paste keeps one way back (Ctrl+Z undoes it) but not every
    // earlier copy of the box: fifty pastes of a long list would otherwise
    // hold fifty lists.
    if (pasted.size() > 100000)
        document()->clearUndoRedoStacks();
    QPlainTextEdit::insertFromMimeData(source);
}

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

LineBox::LineBox(const QString& text, QWidget* parent) : QLineEdit(text, parent) {
    // Qt's default of 32,767 characters would cut a long paste without a
    // word; the box takes what any box may hold.
    setMaxLength(static_cast<int>(kMaxTextCharacters));
}

void LineBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        const QString pasted = QGuiApplication::clipboard()->text();
        const qsizetype selected = selectedText().size();
        if (pasted.size() > 0 && LengthAfterPaste(text().size(), selected, pasted) > maxLength()) {
            MessageBox::information(this, QStringLiteral("温馨提示"),
                                    PasteTooLongText(maxLength()));
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

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
