// The built-in images: read by the format their name gives, and each picture drawn sharp at the
// density of the screen it is shown on.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace ui::qt {

// Reads one built-in image by the format its suffix names, and by no other.
QImage LoadImage(const QString& resource);

// The window's icon: the icon file's 24 px image in 32 bits with transparency, and the larger
// images of the desktop icon, for docks and task switchers.
QIcon LoadWindowIcon();

// One picture of the window, by its built-in name (":/images/compass", of the file compass.png).
// Its natural size is its image's size at one device pixel per window unit. Beside it lies the
// same drawing at twice the size ("name@2x", a PNG or a JPEG), read only the first time a denser
// screen or a larger window asks for it.
class Picture {
public:
    Picture() = default;
    explicit Picture(const QString& resource);

    const QPixmap& Natural() const { return natural_; }

    // The picture at scale device pixels per natural pixel, carrying devicePixelRatio so that it
    // covers its natural size times scale / devicePixelRatio in window units. Scale 1 is the
    // natural image, scale 2 the double-size drawing pixel for pixel, and any other scale the
    // double-size drawing resampled smoothly.
    QPixmap AtScale(qreal scale, qreal devicePixelRatio) const;

private:
    const QImage& DoubleSize() const;

    QString resource_;
    QPixmap natural_;
    mutable QImage doubleSize_;
    mutable qreal cachedScale_ = 0;
    mutable QPixmap cached_;
};

}  // namespace ui::qt
