// The window as it opens: every control's kind and visibility, the title, the client size and the
// images.
#include "ui/qt/images.h"
#include "ui/qt/picture_box.h"
#include "window_fixture.h"

#include "../pictures.h"

#include <QDataStream>
#include <QIcon>
#include <QImageReader>
#include <QScreen>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace {

using ui::qt::Form2Window;
using ui::qt::PictureBox;

enum class Kind { Label, Field, Button, Picture };

struct ExpectedControl {
    const char* name;
    Kind kind;
    const char* image = nullptr;  // for a picture
};

// The hidden coordinate fields have no widget: their texts are held without one. (Where each
// control lies and what it shows at first are rows of the behaviour table.) The compass, built in
// as a bitmap, shows its PNG pixel for pixel.
const ExpectedControl kExpected[] = {
    {"Label1", Kind::Label},     {"Label2", Kind::Label},     {"Label3", Kind::Label},
    {"Label4", Kind::Label},     {"Text1", Kind::Field},      {"Text3", Kind::Field},
    {"Text5", Kind::Field},      {"Text6", Kind::Field},      {"Command1", Kind::Button},
    {"Command2", Kind::Button},  {"Picture1", Kind::Picture, TARVOLIN_IMAGES_DIR "/compass.png"},
    {"Picture2", Kind::Picture, ":/images/flag_uk.jpg"},      {"Picture3", Kind::Picture, ":/images/flag_it.jpg"},
    {"Picture4", Kind::Picture, ":/images/ruler.jpg"},
};

TEST_F(WindowTest, EveryControlHasItsKindAndVisibility) {
    EXPECT_EQ(form->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 14);
    for (const ExpectedControl& e : kExpected) {
        SCOPED_TRACE(e.name);
        QWidget* widget = Widget(e.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_TRUE(widget->isEnabled());
        EXPECT_TRUE(widget->isVisible());
        switch (e.kind) {
        case Kind::Label: ASSERT_TRUE(qobject_cast<QLabel*>(widget)); break;
        case Kind::Field: {
            auto* field = qobject_cast<QLineEdit*>(widget);
            ASSERT_TRUE(field);
            EXPECT_FALSE(field->isReadOnly());
            EXPECT_EQ(field->echoMode(), QLineEdit::Normal);
            EXPECT_EQ(field->maxLength(), 32767);
            break;
        }
        case Kind::Button: ASSERT_TRUE(qobject_cast<QPushButton*>(widget)); break;
        case Kind::Picture: {
            auto* picture = qobject_cast<PictureBox*>(widget);
            ASSERT_TRUE(picture);
            EXPECT_EQ(picture->pixmap().toImage(), QImage(e.image).convertToFormat(picture->pixmap().toImage().format()));
            break;
        }
        }
    }
}

TEST_F(WindowTest, TitleInBothLanguagesAndIcon) {
    EXPECT_EQ(form->objectName(), "Form2");
    EXPECT_EQ(form->windowTitle(), "Tarvolin utility 1.1 - QZ9XQW");
    EXPECT_FALSE(form->windowIcon().isNull());
    Click("Picture2");
    EXPECT_EQ(form->windowTitle(), "Tarvolin utility 1.1 - QZ9XQW") << "the same in English";
}

// The icon file's 32-bit image with its transparency (an icon keeps one image per size, and the
// file's 256-colour image has no shades between clear and opaque), and the larger images of the
// desktop icon for docks and task switchers.
TEST_F(WindowTest, WindowIconHoldsTheIconFileAndLargerImages) {
    const QIcon icon = form->windowIcon();
    QByteArray stream;
    QDataStream out(&stream, QIODevice::WriteOnly);
    out << icon;  // every image the icon holds, in turn
    QDataStream in(stream);
    QString engine;
    int images = 0;
    in >> engine >> images;
    EXPECT_EQ(images, 3) << "24, 48 and 128 px";
    EXPECT_EQ(icon.availableSizes(), QList<QSize>({{24, 24}, {48, 48}, {128, 128}}));
    bool translucentEdge = false;  // only the 32-bit image has shades between clear and opaque
    const QImage small = icon.pixmap(24).toImage();
    for (int x = 0; x < 24; ++x) translucentEdge |= small.pixelColor(x, 12).alpha() % 255 != 0;
    EXPECT_TRUE(translucentEdge);
    for (const int size : {24, 48, 128}) {
        const QImage image = icon.pixmap(size).toImage();
        EXPECT_EQ(image.size(), QSize(size, size));
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0) << size << " px: transparent corner";
        EXPECT_EQ(image.pixelColor(size / 2, size / 4).alpha(), 255) << size << " px: opaque dial";
    }
}

TEST_F(WindowTest, OpensCentredOnTheScreen) {
    const QPoint offCentre = form->geometry().center() - form->screen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 1) << offCentre.x() << "," << offCentre.y();
}

TEST_F(WindowTest, ResizingMovesNothing) {
    std::vector<QRect> opened;
    for (const ExpectedControl& e : kExpected) opened.push_back(Widget(e.name)->geometry());
    for (const QSize size : {QSize(1000, 800), QSize(200, 150)}) {
        form->resize(size);
        QTest::qWait(10);
        for (std::size_t i = 0; i < opened.size(); ++i) EXPECT_EQ(Widget(kExpected[i].name)->geometry(), opened[i]) << kExpected[i].name;
    }
}

// The pictures show their image unscaled from the top-left of the interior, clipped at the border.
TEST_F(WindowTest, PicturesAreNeitherScaledNorStretched) {
    Field("Text3")->setFocus();  // the compass's focus frame would cover the picture's edge
    for (const char* name : {"Picture1", "Picture2", "Picture3", "Picture4"}) {
        SCOPED_TRACE(name);
        auto* picture = Widget<PictureBox>(name);
        const QImage source = picture->pixmap().toImage();
        const QImage shown = picture->grab().toImage();
        const QRect interior = picture->contentsRect();
        EXPECT_EQ(interior, picture->rect().adjusted(2, 2, -2, -2));
        const QSize visible = source.size().boundedTo(interior.size());
        for (QPoint at : {QPoint(0, 0), QPoint(visible.width() - 1, visible.height() - 1),
                          QPoint(visible.width() / 2, visible.height() / 3), QPoint(visible.width() / 3, 1)}) {
            EXPECT_EQ(shown.pixelColor(interior.topLeft() + at), source.pixelColor(at)) << at.x() << "," << at.y();
        }
    }
    // The compass is cut to its left 181 columns, the ruler to its upper 29 rows.
    EXPECT_EQ(Widget<PictureBox>("Picture1")->contentsRect().width(), 181);
    EXPECT_EQ(Widget<PictureBox>("Picture4")->contentsRect().height(), 29);
}

// Every picture at its natural size and in colour, as the window finds it by its name.
TEST(Images, EveryPictureAtItsSize) {
    for (const auto& [name, width, height] : pictures::kNaturalSizes) {
        const QString resource = QStringLiteral(":/images/") + QLatin1String(name.data(), name.size());
        const QImage image = ui::qt::Picture(resource).Natural().toImage();
        EXPECT_EQ(image.size(), QSize(width, height)) << name;
        EXPECT_FALSE(image.isGrayscale()) << name;
    }
}

TEST(Images, IconHoldsA256ColourAndA32BitImage) {
    QImageReader reader(":/images/tarvolin.ico");
    ASSERT_EQ(reader.imageCount(), 2);
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage image = reader.read();
        EXPECT_EQ(image.size(), QSize(24, 24)) << "image " << i;
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0) << "transparent corner, image " << i;
        EXPECT_EQ(image.pixelColor(12, 6).alpha(), 255) << "opaque dial, image " << i;
    }
    QFile ico(":/images/tarvolin.ico");
    ASSERT_TRUE(ico.open(QIODevice::ReadOnly));
    const QByteArray directory = ico.read(6 + 32);
    EXPECT_EQ(directory[6 + 6], 8) << "first entry bits per pixel";
    EXPECT_EQ(directory[6 + 16 + 6], 32) << "second entry bits per pixel";
}

}  // namespace

namespace {

// The widget as a screen of that density shows it, one image pixel per device pixel.
QImage RenderAt(QWidget* widget, qreal dpr) {
    QImage image((QSizeF(widget->size()) * dpr).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::black);
    widget->render(&image);
    image.setDevicePixelRatio(1);
    return image;
}

// Pixels of shown, from origin, that differ from expected by more than a rounding step.
int DifferingPixels(const QImage& shown, QPoint origin, const QImage& expected, QSize compared) {
    int differing = 0;
    for (int y = 0; y < compared.height(); ++y) {
        for (int x = 0; x < compared.width(); ++x) {
            const QColor a = shown.pixelColor(origin + QPoint(x, y)), b = expected.pixelColor(x, y);
            if (std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) > 6) ++differing;
        }
    }
    return differing;
}

// At a density of 1 the natural image, at 2 the double-size drawing pixel for pixel, in between the
// double-size drawing smoothly resampled; always the same part of the picture as at 1.
TEST_F(WindowTest, PicturesAreSharpAtEveryDensity) {
    Field("Text3")->setFocus();  // the compass's focus frame would cover the picture's edge
    const std::pair<const char*, const char*> pictures[] = {
        {"Picture1", ":/images/compass@2x.jpg"}, {"Picture2", ":/images/flag_uk@2x.jpg"},
        {"Picture3", ":/images/flag_it@2x.jpg"}, {"Picture4", ":/images/ruler@2x.jpg"}};
    for (const auto& [name, doubleSize] : pictures) {
        auto* picture = Widget<PictureBox>(name);
        const QImage drawnTwice = QImage(doubleSize).convertToFormat(QImage::Format_RGB32);
        const QImage natural = picture->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(drawnTwice.size(), natural.size() * 2) << name;
        for (const qreal dpr : {1.0, 1.25, 1.5, 1.75, 2.0}) {
            SCOPED_TRACE(testing::Message() << name << " at " << dpr);
            const QImage expected = dpr == 1 ? natural
                                  : dpr == 2 ? drawnTwice
                                             : drawnTwice.scaled((QSizeF(natural.size()) * dpr).toSize(),
                                                                 Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            const QRectF interior(QPointF(picture->contentsRect().topLeft()) * dpr,
                                  QSizeF(picture->contentsRect().size()) * dpr);
            // The last column and row of the interior may be partly covered at a fractional density.
            const QSize compared = expected.size().boundedTo(interior.size().toSize() - QSize(1, 1));
            EXPECT_EQ(DifferingPixels(RenderAt(picture, dpr), interior.topLeft().toPoint(), expected, compared), 0);
        }
    }
}

}  // namespace
