#include "text_box.h"

#include "qt_text.h"

#include "ui/field_input.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>

namespace ui::qt {
namespace {

// Keys that type a character, as opposed to Return, Tab, Backspace and the like.
bool TypesText(const QKeyEvent& event) { return !event.text().isEmpty() && event.text().front().isPrint(); }

}  // namespace

TextBox::TextBox(const QString& text, InputRule rule, QWidget* parent)
    : QLineEdit(text, parent), rule_(std::move(rule)) {}

// QLineEdit's own paste is not virtual; the rule's result goes in by insert, which the edit
// history records like any typing. (A validator that changed the text would clear the history.)
void TextBox::pasteFiltered(QClipboard::Mode mode) {
    const QString text = QGuiApplication::clipboard()->text(mode);
    if (!text.isEmpty() || hasSelectedText()) insertAsOneEdit(rule_(text));
}

void TextBox::replaceAsOneEdit(const QString& text) {
    selectAll();
    insertAsOneEdit(text);
}

// insert joins what it inserts to the edit before it, as typing does, so that one undo would take
// back both; a paste is an edit of its own. Moving the caret ends an edit, so the caret steps away
// and back, the selection restored, before the insert.
void TextBox::insertAsOneEdit(const QString& text) {
    if (!this->text().isEmpty()) {
        const int start = selectionStart(), length = selectionLength(), caret = cursorPosition();
        setCursorPosition(caret == 0 ? 1 : caret - 1);
        if (length > 0) {
            setSelection(start, length);
        } else {
            setCursorPosition(caret);
        }
    }
    insert(text);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::Paste) {
        pasteFiltered();
        event->accept();
        return;
    }
    if (TypesText(*event)) {
        const QString accepted = rule_(event->text());
        if (accepted != event->text()) {
            QKeyEvent filtered(event->type(), event->key(), event->modifiers(), event->nativeScanCode(),
                               event->nativeVirtualKey(), event->nativeModifiers(), accepted,
                               event->isAutoRepeat(), static_cast<quint16>(event->count()));
            QLineEdit::keyPressEvent(&filtered);
            event->setAccepted(filtered.isAccepted());
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

// Text composed by an input method (dead keys, compose, other scripts) arrives here.
void TextBox::inputMethodEvent(QInputMethodEvent* event) {
    const QString accepted = rule_(event->commitString());
    if (accepted == event->commitString()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(accepted, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
    event->setAccepted(filtered.isAccepted());
}

// The standard menu, its Paste going through the rule.
void TextBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    if (QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        disconnect(paste, &QAction::triggered, this, nullptr);
        connect(paste, &QAction::triggered, this, [this] { pasteFiltered(); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void TextBox::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    QMimeData accepted;
    accepted.setText(rule_(event->mimeData()->text()));
    QDropEvent filtered(event->position(), event->possibleActions(), &accepted, event->buttons(), event->modifiers(),
                        event->type());
    QLineEdit::dropEvent(&filtered);
    event->setDropAction(filtered.dropAction());
    event->setAccepted(filtered.isAccepted());
}

// Qt already selects the whole text on Tab. A click places the caret at its press, so the
// selection waits for the click's release. The click brings the focus either before its press
// (in an active window) or with the window's activation (in an inactive one), hence two checks.
void TextBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (event->reason() == Qt::MouseFocusReason) clickBringsFocus_ = true;
}

void TextBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    clickBringsFocus_ = false;
}

void TextBox::mousePressEvent(QMouseEvent* event) {
    if (!hasFocus()) clickBringsFocus_ = true;
    QLineEdit::mousePressEvent(event);
}

// A drag that selected part of the placeholder keeps that selection. The middle button pastes the
// X11 selection, through the rule too.
void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        pasteFiltered(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
    if (clickBringsFocus_ && !hasSelectedText() && SelectsTextOnClick(FromQString(text()))) selectAll();
    clickBringsFocus_ = false;
}

}  // namespace ui::qt
