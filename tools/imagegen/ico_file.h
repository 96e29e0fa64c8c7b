// Writes a Windows icon file (.ico) holding one image twice: in 256 colours and in 32 bits with its
// transparency, each with the 1-bit mask that older readers use.
#pragma once

#include <QByteArray>
#include <QImage>

QByteArray IconFile(const QImage& argb);
