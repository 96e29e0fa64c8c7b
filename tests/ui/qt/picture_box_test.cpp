// The picture boxes as a user meets them: what counts as a click, how the focus shows, and the
// sunken border that the picture never covers.
#include "ui/qt/picture_box.h"
#include "window_fixture.h"

#include <functional>

namespace {

using ui::qt::PictureBox;

class PictureBoxTest : public WindowTest {
protected:
    PictureBox* picture(const char* name) const { return control<PictureBox>(name); }
};

TEST_F(PictureBoxTest, AClickIsAPressAndAReleaseInsideOrTheSpaceBar) {
    struct Row {
        const char* what;
        std::function<void(QWidget*)> act;
        int clicks;
    };
    const Row rows[] = {
        {"press and release inside", [](QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }, 1},
        {"release outside",
         [](QWidget* w) {
             QTest::mousePress(w, Qt::LeftButton);
             QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(w->width() + 5, w->height() / 2));
         },
         0},
        {"right button", [](QWidget* w) { QTest::mouseClick(w, Qt::RightButton); }, 0},
        {"space bar", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Space); }, 1},
        {"held space bar repeating",
         [](QWidget* w) {
             QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
             QApplication::sendEvent(w, &repeat);
         },
         0},
        {"a letter", [](QWidget* w) { QTest::keyClick(w, Qt::Key_A); }, 0},
    };
    for (const char* name : {"Picture2", "Picture3", "Picture4"}) {
        for (const Row& row : rows) {
            int clicks = 0;
            const QMetaObject::Connection counting =
                QObject::connect(picture(name), &PictureBox::clicked, [&clicks] { ++clicks; });
            picture(name)->setFocus();
            row.act(picture(name));
            QObject::disconnect(counting);
            EXPECT_EQ(clicks, row.clicks) << name << ": " << row.what;
        }
    }
}

// The focus is drawn on the border, so that the picture itself stays whole.
TEST_F(PictureBoxTest, TheFocusShowsOnTheBorderOnly) {
    for (const char* name : {"Picture1", "Picture2", "Picture3", "Picture4"}) {
        field("Text3")->setFocus();
        const QImage unfocused = picture(name)->grab().toImage();
        picture(name)->setFocus();
        const QImage focused = picture(name)->grab().toImage();
        const QRect interior = picture(name)->contentsRect();
        EXPECT_NE(focused, unfocused) << name;
        EXPECT_EQ(focused.copy(interior), unfocused.copy(interior)) << name;
    }
}

// The compass is wider and the ruler taller than their boxes: the picture is clipped at the
// interior and the sunken border stays as an empty box draws it.
TEST_F(PictureBoxTest, TheBorderStaysWhole) {
    field("Text3")->setFocus();
    for (const char* name : {"Picture1", "Picture4"}) {
        PictureBox empty(form.get());
        empty.setGeometry(picture(name)->geometry());
        const QImage shown = picture(name)->grab().toImage(), border = empty.grab().toImage();
        const QRect interior = picture(name)->contentsRect();
        int differing = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (!interior.contains(x, y) && shown.pixel(x, y) != border.pixel(x, y)) ++differing;
        EXPECT_EQ(differing, 0) << name;
    }
}

}  // namespace
