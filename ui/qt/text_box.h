// A single-line text field that selects its whole text when it gets the focus while it holds the
// placeholder "...", by a click as by Tab, so that what the user types replaces the placeholder
// instead of landing after it.
#pragma once

#include <QLineEdit>

namespace ui::qt {

class TextBox : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool clickBringsFocus_ = false;
};

}  // namespace ui::qt
