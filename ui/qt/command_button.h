// A push button that Return and keypad Enter press when it has the focus, the habit on Windows
// and GTK desktops; Qt's own buttons answer only Space unless they are a dialog's default.
#pragma once

#include <QPushButton>

namespace ui::qt {

class CommandButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace ui::qt
