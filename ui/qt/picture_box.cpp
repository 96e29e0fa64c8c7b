#include "picture_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace ui::qt {
namespace {
constexpr int kBorderPixels = 2;
}

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorderPixels);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::setPicture(const Picture& picture) {
    picture_ = picture;
    update();
}

void PictureBox::setScale(qreal scale) {
    scale_ = scale;
    setLineWidth(qRound(kBorderPixels * scale));
    update();
}

void PictureBox::setChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void PictureBox::click() { emit clicked(); }

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);  // the sunken border
    QPainter painter(this);
    const QRect interior = contentsRect();
    painter.setClipRect(interior);
    // Device pixels per window unit where this painting lands: the screen's, or a grab's.
    const qreal devicePixelRatio = painter.deviceTransform().m11();
    painter.drawPixmap(interior.topLeft(), picture_.atScale(scale_ * devicePixelRatio, devicePixelRatio));
    if (hasFocus()) {
        // The image must stay whole, so the focus is shown on the outer line of the border.
        painter.setClipping(false);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

// A click is a press and a release inside the box, like a button's.
void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressed_ = true;
    QFrame::mousePressEvent(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) this->click();
    QFrame::mouseReleaseEvent(event);
}

// The second press of a double-click is not a new press: a double-click is one click, as on the
// desktops the window was first drawn for. (Qt would otherwise treat it as another press.)
void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

// The space bar clicks a focused picture, so that keyboard users reach the flags and the ruler.
void PictureBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        click();
        return;
    }
    QFrame::keyPressEvent(event);
}

}  // namespace ui::qt
