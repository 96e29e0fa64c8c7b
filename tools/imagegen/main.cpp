// Draws the program's five built-in images and the desktop icons, deterministically:
//   imagegen OUTPUT_DIR WORK_DIR
// writes compass.png (208 x 415, 24-bit, lossless), flag_uk.jpg and flag_it.jpg (40 x 20),
// ruler.jpg (99 x 35) and tarvolin-24.png, tarvolin-48.png, tarvolin-128.png, tarvolin-256.png
// for the desktop icon theme and the window icon into OUTPUT_DIR. Each picture is drawn a second
// time at twice the size (flag_uk@2x.jpg and so on) for screens of higher density: the same
// drawing, not an enlargement. Into WORK_DIR go the images that tools/make-images finishes:
// compass@2x.png, the compass at twice the size, for a JPEG that Qt cannot write;
// tarvolin-24-256colours.png, the window icon's 256-colour image; and tarvolin-windows-016.png to
// -064.png, the Windows program file's icon at the sizes Explorer, the taskbar and Alt+Tab ask for
// (numbered so that they list in order of size), for icotool to put together.
// Run through tools/make-images; the outputs are committed under ui/images/.
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cstdio>
#include <random>
#include <utility>

namespace {

// A fixed-seed generator: the same images on every run.
std::mt19937& Noise() {
    static std::mt19937 rng(20261208);
    return rng;
}

// Film-like grain, so that the drawings read as photographs rather than flat vector art.
void AddGrain(QImage& image, int amplitude) {
    std::uniform_int_distribution<int> delta(-amplitude, amplitude);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int d = delta(Noise());
            image.setPixelColor(x, y, QColor(qBound(0, c.red() + d, 255), qBound(0, c.green() + d, 255),
                                             qBound(0, c.blue() + d, 255), c.alpha()));
        }
    }
}

QPointF Polar(QPointF centre, double radius, double degreesFromNorth) {
    const double a = qDegreesToRadians(degreesFromNorth);
    return centre + QPointF(radius * std::sin(a), -radius * std::cos(a));
}

// An antique brass compass seen close up: the dial's upper-left part, with its rose, the letters
// N and NW, degree numbers and a blued steel needle on its pivot. Portrait, 208 x 415 at scale 1.
QImage DrawCompass(int scale) {
    QImage image(208 * scale, 415 * scale, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);

    // Brass case, lit from the upper left.
    QLinearGradient brass(0, 0, 208, 415);
    brass.setColorAt(0, QColor(196, 156, 72));
    brass.setColorAt(0.45, QColor(150, 110, 40));
    brass.setColorAt(1, QColor(70, 48, 18));
    p.fillRect(QRect(0, 0, 208, 415), brass);

    const QPointF centre(150, 262);
    const double rim = 196, dialRadius = 178;
    QRadialGradient rimLight(centre, rim);
    rimLight.setColorAt(0.86, QColor(120, 84, 30));
    rimLight.setColorAt(0.93, QColor(226, 186, 96));
    rimLight.setColorAt(1.0, QColor(96, 66, 22));
    p.setPen(Qt::NoPen);
    p.setBrush(rimLight);
    p.drawEllipse(centre, rim, rim);

    // Aged paper dial.
    QRadialGradient paper(centre, dialRadius);
    paper.setColorAt(0, QColor(240, 226, 190));
    paper.setColorAt(1, QColor(214, 194, 146));
    p.setBrush(paper);
    p.drawEllipse(centre, dialRadius, dialRadius);

    // Degree ring: a tick every 2 degrees, long every 10, numbers every 30.
    p.setPen(QPen(QColor(60, 40, 20), 1));
    for (int deg = 0; deg < 360; deg += 2) {
        const double inner = deg % 10 == 0 ? dialRadius - 16 : dialRadius - 9;
        p.drawLine(Polar(centre, inner, deg), Polar(centre, dialRadius - 2, deg));
    }
    QFont numbers("DejaVu Sans", 9, QFont::Bold);
    p.setFont(numbers);
    for (int deg = 0; deg < 360; deg += 30) {
        const QPointF at = Polar(centre, dialRadius - 28, deg);
        p.drawText(QRectF(at.x() - 16, at.y() - 8, 32, 16), Qt::AlignCenter, QString::number(deg));
    }

    // The rose: eight points, alternately dark and light halves.
    for (int deg = 0; deg < 360; deg += 45) {
        const double length = deg % 90 == 0 ? 118 : 78;
        const QPointF tip = Polar(centre, length, deg);
        const QPointF left = Polar(centre, 16, deg - 45), right = Polar(centre, 16, deg + 45);
        p.setPen(QPen(QColor(50, 34, 16), 0.8));
        p.setBrush(QColor(70, 50, 28));
        p.drawPolygon(QPolygonF({centre, left, tip}));
        p.setBrush(QColor(236, 222, 186));
        p.drawPolygon(QPolygonF({centre, right, tip}));
    }
    QFont letters("DejaVu Serif", 20, QFont::Bold);
    p.setFont(letters);
    p.setPen(QColor(120, 20, 16));
    const QPointF north = Polar(centre, 134, 0), northWest = Polar(centre, 104, 315);
    p.drawText(QRectF(north.x() - 20, north.y() - 16, 40, 32), Qt::AlignCenter, "N");
    p.drawText(QRectF(northWest.x() - 26, northWest.y() - 16, 52, 32), Qt::AlignCenter, "NW");

    // Blued steel needle pointing a little west of north, with its brass pivot.
    const double heading = 338;
    const QPointF northTip = Polar(centre, 150, heading), southTip = Polar(centre, 120, heading + 180);
    const QPointF side1 = Polar(centre, 7, heading - 90), side2 = Polar(centre, 7, heading + 90);
    QLinearGradient steel(side1, side2);
    steel.setColorAt(0, QColor(40, 52, 80));
    steel.setColorAt(0.5, QColor(150, 166, 196));
    steel.setColorAt(1, QColor(30, 38, 60));
    p.setPen(QPen(QColor(20, 24, 36), 1));
    p.setBrush(steel);
    p.drawPolygon(QPolygonF({northTip, side1, southTip, side2}));
    QRadialGradient pivot(centre - QPointF(3, 3), 12);
    pivot.setColorAt(0, QColor(255, 236, 170));
    pivot.setColorAt(1, QColor(120, 84, 30));
    p.setBrush(pivot);
    p.drawEllipse(centre, 10, 10);

    // Glass reflection across the upper left.
    QLinearGradient glare(0, 60, 120, 200);
    glare.setColorAt(0, QColor(255, 255, 255, 70));
    glare.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glare);
    p.drawEllipse(QPointF(60, 130), 90, 40);
    p.end();
    AddGrain(image, 6);
    return image.convertToFormat(QImage::Format_RGB888);
}

// Union flag on a 60 x 30 design grid, drawn large and scaled down smoothly to 40 x 20 at scale 1.
QImage DrawUnitedKingdomFlag(int scale) {
    const int oversampling = 8 * scale;
    QImage big(60 * oversampling, 30 * oversampling, QImage::Format_RGB32);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(oversampling, oversampling);
    const QColor blue(1, 33, 105), red(200, 16, 46);
    p.fillRect(QRectF(0, 0, 60, 30), blue);
    QPainterPath diagonals;
    diagonals.moveTo(0, 0);
    diagonals.lineTo(60, 30);
    diagonals.moveTo(60, 0);
    diagonals.lineTo(0, 30);
    p.strokePath(diagonals, QPen(Qt::white, 6));
    // The red saltire is counterchanged: in each quarter it lies on one side of the diagonal.
    QPainterPath clip;
    clip.addPolygon(QPolygonF({{30, 15}, {60, 15}, {60, 30}}));
    clip.addPolygon(QPolygonF({{30, 15}, {30, 30}, {0, 30}}));
    clip.addPolygon(QPolygonF({{30, 15}, {0, 15}, {0, 0}}));
    clip.addPolygon(QPolygonF({{30, 15}, {30, 0}, {60, 0}}));
    p.save();
    p.setClipPath(clip);
    p.strokePath(diagonals, QPen(red, 4));
    p.restore();
    QPainterPath cross;
    cross.moveTo(30, 0);
    cross.lineTo(30, 30);
    cross.moveTo(0, 15);
    cross.lineTo(60, 15);
    p.strokePath(cross, QPen(Qt::white, 10, Qt::SolidLine, Qt::FlatCap));
    p.strokePath(cross, QPen(red, 6, Qt::SolidLine, Qt::FlatCap));
    p.end();
    return big.scaled(40 * scale, 20 * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Il Tricolore: green, white and red vertical bands; 40 x 20 at scale 1.
QImage DrawItalianFlag(int scale) {
    QImage image(40 * scale, 20 * scale, QImage::Format_RGB32);
    QPainter p(&image);
    p.scale(scale, scale);
    p.fillRect(0, 0, 13, 20, QColor(0, 146, 70));
    p.fillRect(13, 0, 14, 20, QColor(244, 245, 240));
    p.fillRect(27, 0, 13, 20, QColor(206, 43, 55));
    return image;
}

// A yellow wooden folding ruler seen close up: centimetres along the top edge, inches along the
// bottom, and the words "cm" and "inch" printed on it; 99 x 35 at scale 1. The ticks are placed on
// the pixel grid of the scale drawn, so that they stay crisp at every size.
QImage DrawRuler(int scale) {
    QImage image(99 * scale, 35 * scale, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    const auto onPixelGrid = [scale](double x) { return qRound(x * scale) / double(scale); };
    QLinearGradient wood(0, 0, 0, 35);
    wood.setColorAt(0, QColor(250, 214, 60));
    wood.setColorAt(0.5, QColor(238, 196, 40));
    wood.setColorAt(1, QColor(214, 170, 30));
    p.fillRect(QRect(0, 0, 99, 35), wood);
    // Grain: faint darker streaks along the ruler.
    std::uniform_int_distribution<int> row(0, 34), shade(10, 40);
    for (int i = 0; i < 14; ++i) {
        p.setPen(QPen(QColor(150, 110, 10, shade(Noise())), 1));
        const int y = row(Noise());
        p.drawLine(0, y, 99, y + (i % 3) - 1);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(30, 24, 10));
    const double pixelsPerCm = 19.0;
    for (int mm = 0; mm * pixelsPerCm / 10 < 99; ++mm) {
        const double x = onPixelGrid(4 + mm * pixelsPerCm / 10);
        const int length = mm % 10 == 0 ? 8 : (mm % 5 == 0 ? 6 : 3);
        p.drawLine(QPointF(x, 0), QPointF(x, length - 1));
    }
    const double pixelsPerInch = pixelsPerCm * 2.54;
    for (int sixteenth = 0; sixteenth * pixelsPerInch / 16 < 99; ++sixteenth) {
        const double x = onPixelGrid(4 + sixteenth * pixelsPerInch / 16);
        const int length = sixteenth % 16 == 0 ? 8 : (sixteenth % 8 == 0 ? 6 : (sixteenth % 4 == 0 ? 4 : 2));
        p.drawLine(QPointF(x, 34), QPointF(x, 35 - length));
    }
    QFont small("DejaVu Sans", 6);
    small.setPixelSize(8);
    p.setFont(small);
    // No "1": the word "cm" stands there.
    for (int cm = 2; cm * pixelsPerCm < 95; ++cm)
        p.drawText(QRectF(4 + cm * pixelsPerCm - 8, 8, 16, 9), Qt::AlignCenter, QString::number(cm));
    QFont label("DejaVu Sans", 6, QFont::Bold);
    label.setPixelSize(9);
    p.setFont(label);
    p.setPen(QColor(170, 20, 20));
    p.drawText(QRectF(6, 8, 20, 10), Qt::AlignLeft | Qt::AlignVCenter, "cm");
    p.drawText(QRectF(6, 17, 30, 10), Qt::AlignLeft | Qt::AlignVCenter, "inch");
    p.setPen(QColor(30, 24, 10));
    p.setFont(small);
    p.drawText(QRectF(4 + pixelsPerInch - 8, 18, 16, 9), Qt::AlignCenter, "1");
    p.end();
    AddGrain(image, 5);
    return image;
}

// The window icon: a round compass with a blue rim, a white dial and a needle half red, half blue.
QImage DrawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 24.0, size / 24.0);
    const QPointF c(12, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 70, 170));
    p.drawEllipse(c, 11.5, 11.5);
    p.setBrush(Qt::white);
    p.drawEllipse(c, 8.5, 8.5);
    p.setPen(QPen(QColor(20, 70, 170), 0.6));
    for (int deg = 0; deg < 360; deg += 90) p.drawLine(Polar(c, 6.8, deg), Polar(c, 8.3, deg));
    p.setPen(Qt::NoPen);
    const double heading = 30;
    p.setBrush(QColor(210, 30, 30));
    p.drawPolygon(QPolygonF({Polar(c, 7.5, heading), Polar(c, 1.8, heading - 90), Polar(c, 1.8, heading + 90)}));
    p.setBrush(QColor(20, 70, 170));
    p.drawPolygon(QPolygonF({Polar(c, 7.5, heading + 180), Polar(c, 1.8, heading - 90), Polar(c, 1.8, heading + 90)}));
    p.setBrush(QColor(60, 60, 60));
    p.drawEllipse(c, 1.0, 1.0);
    return image;
}

// The sizes of the Windows program file's icon stored as bitmaps, in pixels: those Windows shell
// surfaces use at 100% to 200% display scale. Its 256 px image, for large views, is tarvolin-256.png.
constexpr int kWindowsIconSizes[] = {16, 20, 24, 32, 40, 48, 64};

// The 256-colour image of the window icon: the drawing reduced to a palette, each pixel either
// opaque or fully transparent, as a 1-bit mask keeps it.
QImage PaletteImage(const QImage& argb) {
    const QImage indexed = argb.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    QImage out(argb.size(), QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            out.setPixel(x, y, qAlpha(argb.pixel(x, y)) < 128 ? 0 : indexed.pixel(x, y) | 0xff000000);
    return out;
}

// A PNG's quality is its compression: 0 the most, and still lossless.
constexpr int kMostCompressed = 0;

bool Save(const QImage& image, const QString& path, const char* format, int quality = -1) {
    if (image.save(path, format, quality)) return true;
    std::fprintf(stderr, "imagegen: cannot write %s\n", qPrintable(path));
    return false;
}


// Draws a picture at scale 1 and at scale 2 from the same state of the noise generator, so that
// the random parts of the drawing (the wood grain of the ruler) match; the sequence then goes on
// from where the scale-1 drawing left it, which keeps the scale-1 pictures as they always were.
template <typename Draw>
std::pair<QImage, QImage> DrawAtBothScales(Draw draw) {
    const std::mt19937 before = Noise();
    QImage single = draw(1);
    const std::mt19937 after = Noise();
    Noise() = before;
    QImage twice = draw(2);
    Noise() = after;
    return {single, twice};
}

// Saves a picture's scale-1 image under its name and the scale-2 image under name@2x.
bool SaveBoth(const std::pair<QImage, QImage>& images, const QDir& out, const char* base, const char* suffix,
              const char* format, int quality = -1) {
    return Save(images.first, out.filePath(QStringLiteral("%1.%2").arg(base, suffix)), format, quality) &&
           Save(images.second, out.filePath(QStringLiteral("%1@2x.%2").arg(base, suffix)), format, quality);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);  // fonts need a GUI application
    if (argc != 3) {
        std::fprintf(stderr, "usage: imagegen OUTPUT_DIR WORK_DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QDir work(QString::fromLocal8Bit(argv[2]));
    const auto [compass, compassTwice] = DrawAtBothScales(DrawCompass);
    bool ok = Save(compass, out.filePath("compass.png"), "PNG", kMostCompressed) &&
              Save(compassTwice, work.filePath("compass@2x.png"), "PNG") &&
              SaveBoth(DrawAtBothScales(DrawUnitedKingdomFlag), out, "flag_uk", "jpg", "JPG", 92) &&
              SaveBoth(DrawAtBothScales(DrawItalianFlag), out, "flag_it", "jpg", "JPG", 92) &&
              SaveBoth(DrawAtBothScales(DrawRuler), out, "ruler", "jpg", "JPG", 90);
    const QImage icon = DrawIcon(24);
    ok = ok && Save(icon, out.filePath("tarvolin-24.png"), "PNG") &&
         Save(PaletteImage(icon), work.filePath("tarvolin-24-256colours.png"), "PNG");
    for (const int size : {48, 128, 256}) {
        ok = ok && Save(DrawIcon(size), out.filePath(QStringLiteral("tarvolin-%1.png").arg(size)), "PNG");
    }
    for (const int size : kWindowsIconSizes) {
        const QString name = QStringLiteral("tarvolin-windows-%1.png").arg(size, 3, 10, QLatin1Char('0'));
        ok = ok && Save(DrawIcon(size), work.filePath(name), "PNG");
    }
    return ok ? 0 : 1;
}
