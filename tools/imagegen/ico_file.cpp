// Windows icon files (.ico), written by hand: Qt reads them but cannot write them.
#include "ico_file.h"

#include <QBuffer>
#include <QVector>

namespace {

void AppendLe16(QByteArray& out, quint16 v) {
    out.append(static_cast<char>(v & 0xff));
    out.append(static_cast<char>(v >> 8));
}

void AppendLe32(QByteArray& out, quint32 v) {
    AppendLe16(out, static_cast<quint16>(v & 0xffff));
    AppendLe16(out, static_cast<quint16>(v >> 16));
}

// The 1-bit transparency mask of an icon image, rows bottom-up, each padded to 32 bits.
QByteArray AndMask(const QImage& argb) {
    QByteArray mask;
    const int stride = ((argb.width() + 31) / 32) * 4;
    for (int y = argb.height() - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(argb.pixel(x, y)) < 128) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        mask += row;
    }
    return mask;
}

QByteArray BitmapInfoHeader(int width, int height, int bitCount, quint32 imageSize, int colours) {
    QByteArray h;
    AppendLe32(h, 40);
    AppendLe32(h, static_cast<quint32>(width));
    AppendLe32(h, static_cast<quint32>(height * 2));  // colour rows plus mask rows
    AppendLe16(h, 1);
    AppendLe16(h, static_cast<quint16>(bitCount));
    AppendLe32(h, 0);
    AppendLe32(h, imageSize);
    AppendLe32(h, 0);
    AppendLe32(h, 0);
    AppendLe32(h, static_cast<quint32>(colours));
    AppendLe32(h, 0);
    return h;
}

// A 256-colour icon image: palette, 8-bit indices bottom-up, then the mask.
QByteArray IconImage8(const QImage& argb) {
    const QImage indexed = argb.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    QVector<QRgb> palette = indexed.colorTable();
    palette.resize(256);
    QByteArray pixels;
    const int stride = ((indexed.width() + 3) / 4) * 4;
    for (int y = indexed.height() - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < indexed.width(); ++x) row[x] = static_cast<char>(indexed.pixelIndex(x, y));
        pixels += row;
    }
    const QByteArray mask = AndMask(argb);
    QByteArray out = BitmapInfoHeader(argb.width(), argb.height(), 8,
                                      static_cast<quint32>(pixels.size() + mask.size()), 256);
    for (QRgb c : palette) {
        out.append(static_cast<char>(qBlue(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qRed(c)));
        out.append('\0');
    }
    return out + pixels + mask;
}

// A 32-bit icon image with its alpha channel, rows bottom-up, then the mask.
QByteArray IconImage32(const QImage& argb) {
    QByteArray pixels;
    for (int y = argb.height() - 1; y >= 0; --y)
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb c = argb.pixel(x, y);
            pixels.append(static_cast<char>(qBlue(c)));
            pixels.append(static_cast<char>(qGreen(c)));
            pixels.append(static_cast<char>(qRed(c)));
            pixels.append(static_cast<char>(qAlpha(c)));
        }
    const QByteArray mask = AndMask(argb);
    return BitmapInfoHeader(argb.width(), argb.height(), 32,
                            static_cast<quint32>(pixels.size() + mask.size()), 0) + pixels + mask;
}

// The size an icon directory entry gives: one byte, 0 standing for 256.
char DirectorySize(int pixels) { return static_cast<char>(pixels >= 256 ? 0 : pixels); }

constexpr int kPngIconSize = 256;

QByteArray Png(const QImage& argb) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    argb.save(&buffer, "PNG");
    return bytes;
}

}  // namespace

QByteArray MultiSizeIconFile(const QList<QImage>& argbImages) {
    QList<QByteArray> images;
    for (const QImage& argb : argbImages)
        images.append(argb.width() == kPngIconSize ? Png(argb) : IconImage32(argb));
    QByteArray out;
    AppendLe16(out, 0);
    AppendLe16(out, 1);  // icon
    AppendLe16(out, static_cast<quint16>(images.size()));
    quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        out.append(DirectorySize(argbImages[i].width()));
        out.append(DirectorySize(argbImages[i].height()));
        out.append('\0');  // colour count: 0 for 256 colours and more
        out.append('\0');
        AppendLe16(out, 1);
        AppendLe16(out, 32);
        AppendLe32(out, static_cast<quint32>(images[i].size()));
        AppendLe32(out, offset);
        offset += static_cast<quint32>(images[i].size());
    }
    for (const QByteArray& image : images) out += image;
    return out;
}

QByteArray IconFile(const QImage& argb) {
    const QByteArray images[] = {IconImage8(argb), IconImage32(argb)};
    const quint16 bitCounts[] = {8, 32};
    QByteArray out;
    AppendLe16(out, 0);
    AppendLe16(out, 1);  // icon
    AppendLe16(out, 2);
    quint32 offset = 6 + 16 * 2;
    for (int i = 0; i < 2; ++i) {
        out.append(static_cast<char>(argb.width()));
        out.append(static_cast<char>(argb.height()));
        out.append('\0');  // colour count: 0 for 256 colours and more
        out.append('\0');
        AppendLe16(out, 1);
        AppendLe16(out, bitCounts[i]);
        AppendLe32(out, static_cast<quint32>(images[i].size()));
        AppendLe32(out, offset);
        offset += static_cast<quint32>(images[i].size());
    }
    for (const QByteArray& image : images) out += image;
    return out;
}
