#include "images.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace ui::qt {
namespace {

// Left to guess, Qt loads every image plugin it has (SVG and GIF among them) to ask each whether
// it can read the file; naming the format keeps start-up to the plugins the images need.
void ReadOnlyByItsSuffix(QImageReader& reader, const QString& resource) {
    reader.setFileName(resource);
    reader.setFormat(QFileInfo(resource).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
}

// The built-in image file of a picture, in the format it is built in (a bitmap for a PNG of
// images/, see CMakeLists.txt): ":/images/compass" -> ":/images/compass.bmp". Looked for suffix by
// suffix, since listing the folder would cost 1 % of the program's start-up.
QString ImageFile(const QString& picture) {
    for (const QLatin1String suffix : {QLatin1String(".bmp"), QLatin1String(".jpg")}) {
        if (QFile::exists(picture + suffix)) return picture + suffix;
    }
    return {};
}

// ":/images/ruler" -> ":/images/ruler@2x", Qt's naming for a drawing at twice the size.
QString DoubleSizeResource(const QString& picture) { return picture + QLatin1String("@2x"); }

// The desktop icon's larger images that the window icon carries too. Each is decoded and sent to
// the display at every start, so the 256 px image stays in the icon theme alone, where docks that
// tie the window to its desktop entry find it.
constexpr int kDesktopIconSizes[] = {48, 128};

}  // namespace

QImage LoadImage(const QString& resource) {
    QImageReader reader;
    ReadOnlyByItsSuffix(reader, resource);
    return reader.read();
}

QIcon LoadWindowIcon() {
    QImageReader reader;
    ReadOnlyByItsSuffix(reader, QStringLiteral(":/images/tarvolin.ico"));
    QIcon icon;
    // An icon keeps one image per size: the file's 32-bit image, read after its 256-colour one,
    // takes that one's place.
    for (int i = 0; i < reader.imageCount() && reader.jumpToImage(i); ++i) {
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    for (const int size : kDesktopIconSizes) {
        icon.addPixmap(QPixmap::fromImage(LoadImage(QStringLiteral(":/images/tarvolin-%1.png").arg(size))));
    }
    return icon;
}

Picture::Picture(const QString& resource)
    : resource_(resource), natural_(QPixmap::fromImage(LoadImage(ImageFile(resource)))) {}

const QImage& Picture::DoubleSize() const {
    if (doubleSize_.isNull()) doubleSize_ = LoadImage(ImageFile(DoubleSizeResource(resource_)));
    return doubleSize_;
}

QPixmap Picture::AtScale(qreal scale, qreal devicePixelRatio) const {
    if (qFuzzyCompare(scale, 1) && qFuzzyCompare(devicePixelRatio, 1)) return natural_;
    if (cachedScale_ != scale || !qFuzzyCompare(cached_.devicePixelRatio(), devicePixelRatio)) {
        const QImage source = DoubleSize().isNull() ? natural_.toImage() : DoubleSize();
        const QSize pixels = (QSizeF(natural_.size()) * scale).toSize();
        cached_ = QPixmap::fromImage(pixels == source.size()
                                         ? source
                                         : source.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        cached_.setDevicePixelRatio(devicePixelRatio);
        cachedScale_ = scale;
    }
    return cached_;
}

}  // namespace ui::qt
