// A sunken box that shows one image at its natural size from the top-left of its interior,
// clipped at the border, never scaled. It takes the keyboard focus and reports clicks.
#pragma once

#include <QFrame>
#include <QPixmap>

namespace ui {

class PictureBox : public QFrame {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPixmap(const QPixmap& pixmap);
    const QPixmap& pixmap() const { return pixmap_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPixmap pixmap_;
    bool pressed_ = false;
};

}  // namespace ui
