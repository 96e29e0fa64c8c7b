// The program's one window on Qt Widgets: the controls of the control table as Qt widgets, the
// window operations of the contract on them, and the window's logic (Form2) wired to their events.
#pragma once

#include "qt_translation.h"

#include "ui/form2.h"
#include "ui/window.h"

#include <QWidget>

#include <array>

class QLabel;
class QMessageBox;
class QLineEdit;
class QPushButton;

namespace ui {
struct ControlRow;
}

namespace ui::qt {

class PictureBox;
class TextBox;

class Form2Window : public QWidget, public ui::Window {
    Q_OBJECT

public:
    explicit Form2Window(QWidget* parent = nullptr);

    // The window's logic, which holds what no control shows.
    ui::Form2& logic() { return form_; }
    // How much larger than designed the window is laid out, for the desktop's font; fixed at start.
    qreal scale() const { return scale_; }

    // The window operations.
    std::u16string Text(Control field) const override;
    void SetText(Control field, std::u16string_view text) override;
    std::u16string Caption(Control control) const override;
    void SetCaption(Control control, std::u16string_view caption) override;
    void PlaceCaret(Control field, std::size_t position) override;
    void ShowMessage(std::u16string_view message, std::u16string_view caption) override;
    void SignalCompletion() override;
    void FollowLanguage(Language language) override;
    void Alert() override;
    void Close() override;

private:
    void createControls();
    QWidget* createControl(const ControlRow& row);
    void orderTabs();
    void connectEvents();
    void layOut(qreal scale);
    void centreOnScreen();
    void pressDefaultButton();
    static void widenForTitle(QMessageBox& box);

    QWidget* control(Control id) const { return controls_[static_cast<std::size_t>(id)]; }
    TextBox* field(Control id) const;
    PictureBox* picture(Control id) const;
    QPushButton* button(Control id) const;

    std::array<QWidget*, kControlCount> controls_{};  // none for the hidden fields
    qreal scale_ = 1;
    QtTranslation qtTranslation_;
    ui::Form2 form_{*this};
};

}  // namespace ui::qt
