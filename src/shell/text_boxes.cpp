#include "shell/text_boxes.hpp"

#include "common/limits.hpp"
#include "shell/message_box.hpp"

#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <functional>
#include <optional>
#include <utility>

namespace sorvanta::ui {

namespace {

// A paste longer than this goes into a multi-line box in one step outside
// the document's history. The document keeps every text a paste replaced
// for as long as it lives, even once its history is cleared; taken this way
// the replaced text is freed, so fifty pastes of a long list hold one list
// and not fifty.
constexpr qsizetype kLongPaste = 100000;

// An edit of more characters than this goes into a single-line box in one
// step outside the line's own history. That history holds one entry per
// character and takes an edit back one character at a time, moving all the
// text after it each time: a long edit in front of a long text would take
// seconds to undo, and a few long pastes would fill the memory.
constexpr qsizetype kLongLineEdit = 4096;

// A run of characters with no blank longer than this is wrapped anywhere:
// far longer than any number or compound a player writes, far shorter than
// where breaking it at word boundaries gets slow. That search starts again
// at every line of the run, so a million digits without a blank would hold
// the window for minutes.
constexpr qsizetype kLongestWord = 1000;

bool HasLongWord(QStringView text) {
    qsizetype run = 0;
    for (QChar c : text) {
        run = (c == u' ' || c == u'\t') ? 0 : run + 1;
        if (run > kLongestWord)
            return true;
    }
    return false;
}

// The blocks `first` to `last`, both included.
bool HoldsLongWord(QTextBlock first, const QTextBlock& last) {
    for (; first.isValid(); first = first.next()) {
        if (HasLongWord(first.text()))
            return true;
        if (first == last)
            break;
    }
    return false;
}

bool SelectsOnFocus(const QFocusEvent* event) {
    return event->reason() == Qt::MouseFocusReason || event->reason() == Qt::TabFocusReason ||
           event->reason() == Qt::BacktabFocusReason;
}

bool Fits(qsizetype length, qsizetype replaced, qsizetype pasted, qsizetype limit) {
    return length - replaced + pasted <= limit;
}

void ShowTooLong(QWidget* box, qsizetype limit, bool afterDrop) {
    auto show = [box, limit] {
        MessageBox::information(box, QStringLiteral("温馨提示"), PasteTooLongText(limit));
    };
    // A drop is answered first, so the program the text came from is not
    // kept waiting on a modal box and learns that nothing was taken (a move
    // keeps its text there).
    if (afterDrop)
        QTimer::singleShot(0, box, show);
    else
        show();
}

// Ends the drag over a box that takes its drop by itself or not at all, so
// no drop caret stays behind.
void EndDrag(QWidget* box) {
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(box, &leave);
}

void RefuseDrop(QWidget* box, QDropEvent* event) {
    EndDrag(box);
    event->setDropAction(Qt::IgnoreAction);
    event->ignore();
}

// The boxes' right-click menu, in the program's language; each item goes
// through the same checks as its key.
void AddItem(QMenu* menu, QWidget* box, const char* name, const QString& caption,
             std::optional<QKeySequence::StandardKey> key, bool enabled,
             std::function<void()> run) {
    QString text = caption;
    if (key)
        text += u'\t' + QKeySequence(*key).toString(QKeySequence::NativeText);
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(enabled);
    QObject::connect(action, &QAction::triggered, box, std::move(run));
}

bool ClipboardHasText() {
    return !QGuiApplication::clipboard()->text().isEmpty();
}

} // namespace

LineBox* UseLineBox(QComboBox* box) {
    box->setEditable(true);
    auto* line = new LineBox(QString(), box);
    line->setClearsOnDoubleClick(false);
    box->setLineEdit(line);
    return line;
}

QString PasteTooLongText(qsizetype limit) {
    return QStringLiteral("粘贴的内容太长：这个框最多 %1 个字符，本次粘贴已取消，框内原有内容保留")
        .arg(limit);
}

void LongEditSteps::record(Step step) {
    undo_ = std::move(step);
    redo_.reset();
}

const LongEditSteps::Step* LongEditSteps::undoable(const QString& current) const {
    return undo_ && undo_->after == current ? &*undo_ : nullptr;
}

const LongEditSteps::Step* LongEditSteps::redoable(const QString& current) const {
    return redo_ && redo_->before == current ? &*redo_ : nullptr;
}

void LongEditSteps::undone() {
    redo_ = std::move(undo_);
    undo_.reset();
}

void LongEditSteps::redone() {
    undo_ = std::move(redo_);
    redo_.reset();
}

TextBox::TextBox(const QString& text, QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    // Before the document lays out what changed.
    connect(document(), &QTextDocument::contentsChange, this, &TextBox::keepWrappingFast);
    setPlainText(text);
}

// The document outlives the box's own part while the widget is taken down.
TextBox::~TextBox() {
    disconnect(document(), nullptr, this, nullptr);
}

void TextBox::keepWrappingFast(int position, int, int added) {
    QTextDocument* doc = document();
    const bool anywhere = wordWrapMode() == QTextOption::WrapAnywhere;
    // A long run appears only where the text changed, but may go anywhere.
    const bool longWord =
        anywhere ? HoldsLongWord(doc->begin(), doc->lastBlock())
                 : HoldsLongWord(doc->findBlock(position), doc->findBlock(position + added));
    if (longWord != anywhere)
        wrapAnywhere(longWord);
}

void TextBox::wrapAnywhere(bool on) {
    if (on)
        ownWrap_ = wordWrapMode();
    setWordWrapMode(on ? QTextOption::WrapAnywhere : ownWrap_);
}

bool TextBox::admits(qsizetype pasted, qsizetype replaced, bool afterDrop) {
    const auto limit = static_cast<qsizetype>(kMaxTextCharacters);
    if (Fits(document()->characterCount() - 1, replaced, pasted, limit))
        return true;
    ShowTooLong(this, limit, afterDrop);
    return false;
}

// Every paste but a drop comes through here: Ctrl+V, the menu's 粘贴 and a
// middle click.
void TextBox::insertFromMimeData(const QMimeData* source) {
    if (!source || !source->hasText())
        return;
    // A drop was measured where it came in.
    if (inDrop_) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    const QString pasted = source->text();
    const QTextCursor cursor = textCursor();
    if (!admits(pasted.size(), cursor.selectionEnd() - cursor.selectionStart(), false))
        return;
    if (pasted.size() > kLongPaste)
        takeLongPaste(source);
    else
        QPlainTextEdit::insertFromMimeData(source);
}

void TextBox::takeLongPaste(const QMimeData* source) {
    QTextDocument* doc = document();
    const QTextCursor cursor = textCursor();
    LongEditSteps::Step step{doc->toRawText(), {}, cursor.selectionStart(), cursor.selectionEnd()};
    // With the history off the document lets go of the text it replaces.
    doc->setUndoRedoEnabled(false);
    // What stays is laid out, and the wrapping chosen for the paste, before
    // the paste comes in: it is laid out once.
    QTextCursor rest = textCursor();
    if (rest.hasSelection()) {
        rest.removeSelectedText();
        setTextCursor(rest);
    }
    if (wordWrapMode() != QTextOption::WrapAnywhere && HasLongWord(source->text()))
        wrapAnywhere(true);
    QPlainTextEdit::insertFromMimeData(source);
    doc->setUndoRedoEnabled(true);
    step.after = doc->toRawText();
    step.cursor = textCursor().position();
    longEdits_.record(std::move(step));
}

void TextBox::showRaw(const QString& raw, qsizetype anchor, qsizetype position) {
    QTextDocument* doc = document();
    doc->setUndoRedoEnabled(false);
    QTextCursor all(doc);
    all.select(QTextCursor::Document);
    all.insertText(raw);
    doc->setUndoRedoEnabled(true);
    QTextCursor cursor(doc);
    cursor.setPosition(static_cast<int>(anchor));
    cursor.setPosition(static_cast<int>(position), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

const LongEditSteps::Step* TextBox::undoableStep() const {
    return longEdits_.undoable(document()->toRawText());
}

const LongEditSteps::Step* TextBox::redoableStep() const {
    return longEdits_.redoable(document()->toRawText());
}

void TextBox::undoEdit() {
    if (document()->isUndoAvailable()) {
        undo();
        return;
    }
    if (const LongEditSteps::Step* step = undoableStep()) {
        const LongEditSteps::Step taken = *step;
        showRaw(taken.before, taken.start, taken.end);
        longEdits_.undone();
    }
}

void TextBox::redoEdit() {
    if (document()->isRedoAvailable()) {
        redo();
        return;
    }
    if (const LongEditSteps::Step* step = redoableStep()) {
        const LongEditSteps::Step taken = *step;
        showRaw(taken.after, taken.cursor, taken.cursor);
        longEdits_.redone();
    }
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    if (!isReadOnly() && event->matches(QKeySequence::Undo)) {
        undoEdit();
        return;
    }
    if (!isReadOnly() && event->matches(QKeySequence::Redo)) {
        redoEdit();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TextBox::contextMenuEvent(QContextMenuEvent* event) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const bool editable = !isReadOnly();
    const bool selected = textCursor().hasSelection();
    if (editable) {
        AddItem(menu, this, "edit-undo", QStringLiteral("撤销(&U)"), QKeySequence::Undo,
                document()->isUndoAvailable() || undoableStep(), [this] { undoEdit(); });
        AddItem(menu, this, "edit-redo", QStringLiteral("重做(&R)"), QKeySequence::Redo,
                document()->isRedoAvailable() || redoableStep(), [this] { redoEdit(); });
        menu->addSeparator();
        AddItem(menu, this, "edit-cut", QStringLiteral("剪切(&T)"), QKeySequence::Cut, selected,
                [this] { cut(); });
    }
    AddItem(menu, this, "edit-copy", QStringLiteral("复制(&C)"), QKeySequence::Copy, selected,
            [this] { copy(); });
    if (editable) {
        AddItem(menu, this, "edit-paste", QStringLiteral("粘贴(&P)"), QKeySequence::Paste,
                canPaste(), [this] { paste(); });
        AddItem(menu, this, "edit-delete", QStringLiteral("删除(&D)"), std::nullopt, selected,
                [this] { textCursor().removeSelectedText(); });
    }
    menu->addSeparator();
    AddItem(menu, this, "select-all", QStringLiteral("全选(&A)"), QKeySequence::SelectAll,
            !document()->isEmpty(), [this] { selectAll(); });
    menu->popup(event->globalPos());
}

void TextBox::dropEvent(QDropEvent* event) {
    const QMimeData* data = event->mimeData();
    if (isReadOnly() || !data || !data->hasText()) {
        QPlainTextEdit::dropEvent(event);
        return;
    }
    const QString dropped = data->text();
    // A move inside the box takes the dragged text out where it was.
    const bool moveWithin = event->source() == viewport() && event->dropAction() == Qt::MoveAction;
    if (!admits(dropped.size(), moveWithin ? dropped.size() : 0, true)) {
        RefuseDrop(viewport(), event);
        return;
    }
    if (!moveWithin && dropped.size() > kLongPaste) {
        const QTextCursor at = cursorForPosition(event->position().toPoint());
        EndDrag(viewport());
        setTextCursor(at);
        takeLongPaste(data);
        event->acceptProposedAction();
        return;
    }
    inDrop_ = true;
    QPlainTextEdit::dropEvent(event);
    inDrop_ = false;
}

// Emptied through an edit rather than clear(), so Ctrl+Z brings back a
// list that a stray double-click wiped.
void TextBox::mouseDoubleClickEvent(QMouseEvent* event) {
    // A result box is the program's to write: a double-click there selects,
    // as in any text the player may copy, and never loses the result.
    if (isReadOnly()) {
        QPlainTextEdit::mouseDoubleClickEvent(event);
        return;
    }
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

bool LineBox::admits(qsizetype pasted, qsizetype replaced, bool afterDrop) {
    if (Fits(text().size(), replaced, pasted, maxLength()))
        return true;
    ShowTooLong(this, maxLength(), afterDrop);
    return false;
}

bool LineBox::refusedOrTaken(const QString& pasted) {
    const qsizetype start = hasSelectedText() ? selectionStart() : cursorPosition();
    const qsizetype end = hasSelectedText() ? selectionEnd() : start;
    if (!admits(pasted.size(), end - start, false))
        return true;
    if (pasted.size() + (end - start) <= kLongLineEdit)
        return false;
    replace(start, end, pasted);
    return true;
}

// One step outside the line's history, which a new text clears.
void LineBox::replace(qsizetype start, qsizetype end, const QString& with) {
    LongEditSteps::Step step{text(), {}, start, end, start + with.size()};
    QString result = step.before;
    result.replace(start, end - start, with);
    showStep(result, step.cursor, step.cursor);
    setModified(true);
    step.after = text();
    longEdits_.record(std::move(step));
    emit textEdited(text());
}

void LineBox::removeSelection() {
    replace(selectionStart(), selectionEnd(), {});
}

void LineBox::showStep(const QString& shown, qsizetype start, qsizetype end) {
    setText(shown);
    if (end > start)
        setSelection(static_cast<int>(start), static_cast<int>(end - start));
    else
        setCursorPosition(static_cast<int>(start));
}

void LineBox::undoEdit() {
    if (isUndoAvailable()) {
        undo();
        return;
    }
    const LongEditSteps::Step* step = longEdits_.undoable(text());
    if (!step)
        return;
    const LongEditSteps::Step taken = *step;
    showStep(taken.before, taken.start, taken.end);
    longEdits_.undone();
    emit textEdited(text());
}

void LineBox::redoEdit() {
    if (isRedoAvailable()) {
        redo();
        return;
    }
    const LongEditSteps::Step* step = longEdits_.redoable(text());
    if (!step)
        return;
    const LongEditSteps::Step taken = *step;
    showStep(taken.after, taken.cursor, taken.cursor);
    longEdits_.redone();
    emit textEdited(text());
}

void LineBox::keyPressEvent(QKeyEvent* event) {
    if (!isReadOnly()) {
        if (event->matches(QKeySequence::Undo)) {
            undoEdit();
            return;
        }
        if (event->matches(QKeySequence::Redo)) {
            redoEdit();
            return;
        }
        if (event->matches(QKeySequence::Paste)) {
            if (refusedOrTaken(QGuiApplication::clipboard()->text()))
                return;
        } else if (selectedText().size() > kLongLineEdit) {
            // What would take a long selection out through the line's own
            // history.
            const QString typed = event->text();
            if (event->matches(QKeySequence::Cut)) {
                copy();
                removeSelection();
                return;
            }
            if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) {
                removeSelection();
                return;
            }
            if (!typed.isEmpty() && typed.front().isPrint() &&
                !(event->modifiers() & Qt::ControlModifier)) {
                replace(selectionStart(), selectionEnd(), typed);
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}

void LineBox::contextMenuEvent(QContextMenuEvent* event) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const bool editable = !isReadOnly();
    const bool selected = hasSelectedText();
    const bool longSelection = selectedText().size() > kLongLineEdit;
    if (editable) {
        AddItem(menu, this, "edit-undo", QStringLiteral("撤销(&U)"), QKeySequence::Undo,
                isUndoAvailable() || longEdits_.undoable(text()), [this] { undoEdit(); });
        AddItem(menu, this, "edit-redo", QStringLiteral("重做(&R)"), QKeySequence::Redo,
                isRedoAvailable() || longEdits_.redoable(text()), [this] { redoEdit(); });
        menu->addSeparator();
        AddItem(menu, this, "edit-cut", QStringLiteral("剪切(&T)"), QKeySequence::Cut, selected,
                [this, longSelection] {
                    if (!longSelection) {
                        cut();
                        return;
                    }
                    copy();
                    removeSelection();
                });
    }
    AddItem(menu, this, "edit-copy", QStringLiteral("复制(&C)"), QKeySequence::Copy, selected,
            [this] { copy(); });
    if (editable) {
        AddItem(menu, this, "edit-paste", QStringLiteral("粘贴(&P)"), QKeySequence::Paste,
                ClipboardHasText(), [this] {
                    if (!refusedOrTaken(QGuiApplication::clipboard()->text()))
                        paste();
                });
        AddItem(menu, this, "edit-delete", QStringLiteral("删除(&D)"), std::nullopt, selected,
                [this, longSelection] {
                    if (longSelection)
                        removeSelection();
                    else
                        del();
                });
    }
    menu->addSeparator();
    AddItem(menu, this, "select-all", QStringLiteral("全选(&A)"), QKeySequence::SelectAll,
            !text().isEmpty(), [this] { selectAll(); });
    menu->popup(event->globalPos());
}

// The X11 selection paste of a middle click.
void LineBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && !isReadOnly() &&
        QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        if (refusedOrTaken(QGuiApplication::clipboard()->text(QClipboard::Selection)))
            return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void LineBox::dropEvent(QDropEvent* event) {
    const QMimeData* data = event->mimeData();
    const bool moveWithin = event->source() == this && event->dropAction() == Qt::MoveAction;
    if (isReadOnly() || !data || !data->hasText() || moveWithin) {
        QLineEdit::dropEvent(event);
        return;
    }
    const QString dropped = data->text();
    if (!admits(dropped.size(), 0, true)) {
        RefuseDrop(this, event);
        return;
    }
    if (dropped.size() > kLongLineEdit) {
        const qsizetype at = cursorPositionAt(event->position().toPoint());
        EndDrag(this);
        replace(at, at, dropped);
        event->acceptProposedAction();
        return;
    }
    QLineEdit::dropEvent(event);
}

// Through the line's own history even when long: nothing follows what is
// taken out, so Ctrl+Z puts it back in one pass, and the paste before it
// stays one more Ctrl+Z away.
void LineBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!clearsOnDoubleClick_ || isReadOnly()) {
        QLineEdit::mouseDoubleClickEvent(event);
        return;
    }
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
