// The window in the desktop's font: laid out larger, as one piece, until every caption in both
// languages and every field text shows whole, and at scale 1 with Qt's own default font.
// Run offscreen with fonts set here, and under Xvfb with the GTK theme's font (see CMakeLists).
#include "ui/qt/picture_box.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/window_scale.h"
#include "window_fixture.h"

#include <QFontDatabase>

namespace {

// The bounding box of the pixels that the text adds to the control.
QRect InkOf(QWidget* control, const QString& text) {
    const QString before = control->property("text").toString();
    control->setProperty("text", QString());
    const QImage blank = control->grab().toImage();
    control->setProperty("text", text);
    const QImage shown = control->grab().toImage();
    control->setProperty("text", before);
    QRect ink;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) != blank.pixel(x, y)) ink |= QRect(x, y, 1, 1);
    return ink;
}

// Shown whole: the same ink as in a control far larger, and clear of the right and bottom edges.
bool ShownWhole(QWidget* control, const QString& text, std::string* why = nullptr) {
    const QRect ink = InkOf(control, text);
    const QRect geometry = control->geometry();
    control->resize(geometry.size() * 3);
    const QRect unbounded = InkOf(control, text);
    control->setGeometry(geometry);
    const char* fault = ink.isEmpty()                          ? "no ink"
                        : ink.size() != unbounded.size()       ? "text cut"
                        : ink.right() >= geometry.width() - 1  ? "touches the right edge"
                        : ink.bottom() >= geometry.height() - 1 ? "touches the bottom edge"
                                                                : nullptr;
    if (why && fault) *why = fault;
    return !fault;
}

void ExpectShownWhole(QWidget* control, const QString& text) {
    std::string why;
    EXPECT_TRUE(ShownWhole(control, text, &why))
        << control->objectName().toStdString() << " \"" << text.toStdString() << "\": " << why;
}

struct DesignedBox {
    const char* name;
    QRect twips;  // from the window's design: 15 twips to the pixel at scale 1
};

const DesignedBox kDesign[] = {
    {"Label1", {3600, 480, 1335, 375}},    {"Label2", {3600, 960, 1335, 255}},    {"Label3", {3600, 1440, 1095, 255}},
    {"Label4", {3600, 1920, 1215, 255}},   {"Text1", {5040, 1800, 1215, 375}},    {"Text3", {5040, 360, 1215, 375}},
    {"Text5", {5040, 840, 1215, 375}},     {"Text6", {5040, 1320, 1215, 375}},    {"Command1", {3480, 3000, 1575, 375}},
    {"Command2", {5160, 3000, 1455, 375}}, {"Picture1", {0, 0, 2775, 6400}},      {"Picture2", {3360, 3720, 640, 370}},
    {"Picture3", {4440, 3720, 640, 375}},  {"Picture4", {5400, 3650, 1540, 495}},
};

class DesktopFont : public WindowTest {
protected:
    void TearDown() override { QApplication::setFont(platformFont_); }

    // Builds the window anew in this font.
    void OpenIn(const QFont& font) {
        QApplication::setFont(font);
        SetUp();
    }

    // Every caption in both languages, the unit words and the widest field texts, shown whole.
    void ExpectEveryTextWhole() {
        for (const char* flag : {"Picture2", "Picture3"}) {
            Click(flag);
            for (const char* name : {"Label1", "Label2", "Label4", "Command1", "Command2"}) {
                ExpectShownWhole(Widget(name), Caption(name));
            }
        }
        for (const char* unit : {"Km", "Miglia", "Miles"}) ExpectShownWhole(Widget("Label3"), unit);
        for (const char* name : {"Text1", "Text3", "Text5", "Text6"}) {
            for (const char* text : {"??????", " 19970", "MM00WW"}) ExpectShownWhole(Widget(name), text);
        }
    }

    // One factor for the whole window: client area, every control, and the pictures.
    void ExpectLaidOutAsOne() {
        const qreal scale = form->scale();
        const auto near = [scale](int twips, int pixels) { return std::abs(twips * scale / 15 - pixels) <= 1; };
        EXPECT_TRUE(near(7380, form->width()) && near(6255, form->height())) << form->width() << "x" << form->height();
        for (const DesignedBox& box : kDesign) {
            const QRect actual = Widget(box.name)->geometry();
            EXPECT_TRUE(near(box.twips.x(), actual.x()) && near(box.twips.y(), actual.y()) &&
                        near(box.twips.width(), actual.width()) && near(box.twips.height(), actual.height()))
                << box.name;
        }
        // A picture covers the same part of its box as at scale 1.
        for (const char* name : {"Picture1", "Picture2", "Picture3", "Picture4"}) {
            auto* picture = Widget<ui::qt::PictureBox>(name);
            EXPECT_EQ(picture->scale(), scale) << name;
            EXPECT_NEAR(picture->contentsRect().width() / scale, picture->rect().width() / scale - 4, 1) << name;
        }
    }

    const QFont platformFont_ = QApplication::font();
};

// The font the platform gives: Qt's default (scale 1 offscreen), or the GTK theme's under Xvfb.
TEST_F(DesktopFont, PlatformFont) {
    const QByteArray expected = qgetenv("TARVOLIN_EXPECT_FONT");
    if (!expected.isEmpty()) {
        EXPECT_EQ(QApplication::font().family() + ' ' + QString::number(QApplication::font().pointSize()),
                  QString::fromUtf8(expected))
            << "the platform theme did not give the desktop font";
        std::printf("window scale in %s: %.4f\n", expected.constData(), form->scale());
    } else {
        EXPECT_EQ(form->scale(), 1);
        EXPECT_EQ(form->size(), QSize(492, 417));
    }
    ExpectLaidOutAsOne();
    ExpectEveryTextWhole();
}

TEST_F(DesktopFont, LargerFontsGrowTheWholeWindow) {
    struct Row {
        const char* family;
        int points;
    };
    for (const Row& row : {Row{"Cantarell", 11}, Row{"DejaVu Sans", 14}, Row{"DejaVu Serif", 20}}) {
        SCOPED_TRACE(testing::Message() << row.family << " " << row.points);
        ASSERT_TRUE(QFontDatabase::hasFamily(row.family));
        const qreal before = form->scale();
        OpenIn(QFont(row.family, row.points));
        EXPECT_GT(form->scale(), before) << "each row's font is larger than the one before";
        ExpectLaidOutAsOne();
        ExpectEveryTextWhole();
    }
}

// Each kind of control alone, in a font large enough to need a larger box: at the scale found its
// text shows whole. A label's room is its whole box, so three per cent smaller its text would not
// be; buttons and fields keep some padding of their own beyond what the text needs.
TEST(SmallestFittingScale, EachKindOfControlShowsItsTextWhole) {
    QWidget window;
    window.resize(800, 600);
    QLabel label(&window);
    QPushButton button(&window);
    QLineEdit field(&window);
    struct Row {
        QWidget* control;
        QSize box;
        const char* text;
        bool tight;
        int points = 20;
    };
    // A long text in a field: its width decides, and the field's margins count. The last row's
    // text is short and its font tall: the height decides its scale, beyond the reach of the
    // small steps that whole pixels ask for.
    for (const Row& row : {Row{&label, {81, 17}, "Puntamento", true}, Row{&button, {105, 25}, "Calculate", false},
                           Row{&field, {81, 25}, "MM00WW", false}, Row{&field, {81, 25}, "MM00WW MM00WW", false},
                           Row{&label, {81, 17}, "Km", false, 40}}) {
        row.control->setFont(QFont("DejaVu Sans", row.points));
        const auto layOut = [&row](qreal scale) {
            row.control->setGeometry(0, 0, qRound(row.box.width() * scale), qRound(row.box.height() * scale));
        };
        const ui::TextToFit fit{ui::Control::Text1, ui::qt::FromQString(row.text)};
        const ui::qt::WidgetMeasure measure([&row](ui::Control) { return row.control; });
        const qreal scale = ui::SmallestFittingScale({&fit, 1}, measure, layOut);
        window.show();
        EXPECT_GT(scale, 1) << row.text;
        ExpectShownWhole(row.control, row.text);
        layOut(scale * 0.97);
        if (row.tight) {
            EXPECT_FALSE(ShownWhole(row.control, row.text)) << row.text << ": not the smallest scale";
        }
        window.hide();
    }
}

}  // namespace
