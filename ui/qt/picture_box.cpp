#include "picture_box.h"

#include "ui/control_table.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace ui::qt {
namespace {

bool IsEnter(const QKeyEvent& event) { return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter; }

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kPictureBorderPixels);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::setPicture(const Picture& picture) {
    picture_ = picture;
    update();
}

void PictureBox::setScale(qreal scale) {
    scale_ = scale;
    setLineWidth(qRound(kPictureBorderPixels * scale));
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
    painter.drawPixmap(interior.topLeft(), picture_.AtScale(scale_ * devicePixelRatio, devicePixelRatio));
    if (hasFocus()) paintFocusFrame(painter, interior);
}

// A frame in the highlight colour along the inside of the border, over the picture's edge: the
// border stays as it is. The compass reaches below the window, so the frame follows the part of
// the interior that the window shows.
void PictureBox::paintFocusFrame(QPainter& painter, const QRect& interior) const {
    QRect shown = interior;
    if (const QWidget* window = parentWidget()) shown &= QRect(mapFromParent(QPoint(0, 0)), window->size());
    const int width = qRound(kFocusFramePixels * scale_);
    const QColor colour = palette().color(QPalette::Highlight);
    painter.fillRect(QRect(shown.left(), shown.top(), shown.width(), width), colour);
    painter.fillRect(QRect(shown.left(), shown.bottom() - width + 1, shown.width(), width), colour);
    painter.fillRect(QRect(shown.left(), shown.top(), width, shown.height()), colour);
    painter.fillRect(QRect(shown.right() - width + 1, shown.top(), width, shown.height()), colour);
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

// The space bar and Enter click a focused picture, as they press a focused button, so that keyboard
// users reach the flags and the ruler.
void PictureBox::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Space || IsEnter(*event)) && !event->isAutoRepeat()) {
        click();
        return;
    }
    QFrame::keyPressEvent(event);
}

}  // namespace ui::qt
