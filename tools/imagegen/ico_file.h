// Writes a Windows icon file (.ico) holding one image twice: in 256 colours and in 32 bits with its
// transparency, each with the 1-bit mask that older readers use.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

QByteArray IconFile(const QImage& argb);

// Writes an icon file holding several sizes of one drawing, in the order given: each a 32-bit
// image with its transparency and mask, except 256 px images, which are stored as PNG (as Windows
// reads them since Vista, and much smaller).
QByteArray MultiSizeIconFile(const QList<QImage>& argbImages);
