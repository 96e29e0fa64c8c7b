// A sunken box that shows one picture at its natural size from the top-left of its interior,
// clipped at the border, never stretched. It takes the keyboard focus and reports clicks.
#pragma once

#include "images.h"

#include <QAccessible>
#include <QFrame>

class QPainter;

namespace ui::qt {

class PictureBox : public QFrame {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const Picture& picture);
    // The natural image, as drawn at one device pixel per window unit.
    const QPixmap& pixmap() const { return picture_.Natural(); }

    // The window's scale: the border and the picture grow with it, so that the picture covers
    // the same part of the box at every scale.
    void setScale(qreal scale);
    qreal scale() const { return scale_; }

    // What assistive tools are told the picture is: an image (Graphic), a push button (Button),
    // or one of a set of choices (RadioButton), whose checked state setChecked keeps.
    void setAccessibleRole(QAccessible::Role role) { accessibleRole_ = role; }
    QAccessible::Role accessibleRole() const { return accessibleRole_; }
    void setChecked(bool checked);
    bool isChecked() const { return checked_; }

    // Clicks the picture, as a mouse click, the space bar, Enter or an assistive tool does.
    void click();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void paintFocusFrame(QPainter& painter, const QRect& interior) const;

    Picture picture_;
    qreal scale_ = 1;
    QAccessible::Role accessibleRole_ = QAccessible::Graphic;
    bool checked_ = false;
    bool pressed_ = false;
};

}  // namespace ui::qt
