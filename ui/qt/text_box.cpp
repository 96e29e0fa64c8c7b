#include "text_box.h"

#include "ui/control_table.h"

#include <QFocusEvent>

namespace ui::qt {

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

// A drag that selected part of the placeholder keeps that selection.
void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (clickBringsFocus_ && !hasSelectedText() && text() == QStringView(kPlaceholderText.data(), qsizetype(kPlaceholderText.size()))) selectAll();
    clickBringsFocus_ = false;
}

}  // namespace ui::qt
