// The picture boxes as a user meets them: what counts as a click, how the focus shows, and the
// sunken border that the picture never covers.
#include "ui/qt/picture_box.h"
#include "window_fixture.h"

#include <functional>

namespace {

using ui::qt::PictureBox;

class PictureBoxTest : public WindowTest {
protected:
    PictureBox* Box(const char* name) const { return Widget<PictureBox>(name); }
};

// Beyond the behaviour table's clicks and keys: the right button, a held space bar's repeats and a
// letter are no click.
TEST_F(PictureBoxTest, WhatIsNoClick) {
    struct Row {
        const char* what;
        std::function<void(QWidget*)> act;
        int clicks;
    };
    const Row rows[] = {
        {"right button", [](QWidget* w) { QTest::mouseClick(w, Qt::RightButton); }, 0},
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
                QObject::connect(Box(name), &PictureBox::clicked, [&clicks] { ++clicks; });
            Box(name)->setFocus();
            row.act(Box(name));
            QObject::disconnect(counting);
            EXPECT_EQ(clicks, row.clicks) << name << ": " << row.what;
        }
    }
}

// The focus shows as a frame in the highlight colour, two pixels wide at scale 1 and wider at a
// larger window scale, inside the border over the picture's edge: the border stays as it was and
// the rest of the picture too. The compass reaches below the window: its frame follows the part
// the window shows.
TEST_F(PictureBoxTest, TheFocusFrameLiesInsideTheBorder) {
    for (const qreal scale : {1.0, 2.0}) {
        for (const char* name : {"Picture1", "Picture2", "Picture3", "Picture4"}) {
            SCOPED_TRACE(testing::Message() << name << " at scale " << scale);
            PictureBox* box = Box(name);
            box->setScale(scale);
            Field("Text3")->setFocus();
            const QImage unfocused = box->grab().toImage();
            box->setFocus();
            const QImage focused = box->grab().toImage();
            const int width = static_cast<int>(2 * scale);
            const QRect shown = box->contentsRect() & QRect(box->mapFromParent(QPoint(0, 0)), form->size());
            const QRect inside = shown.adjusted(width, width, -width, -width);
            const QRgb highlight = box->palette().color(QPalette::Highlight).rgb();
            int border = 0, frame = 0, picture = 0;
            for (int y = 0; y < focused.height(); ++y) {
                for (int x = 0; x < focused.width(); ++x) {
                    if (!box->contentsRect().contains(x, y)) {
                        border += focused.pixel(x, y) != unfocused.pixel(x, y);
                    } else if (shown.contains(x, y) && !inside.contains(x, y)) {
                        frame += focused.pixel(x, y) != highlight;
                    } else {
                        picture += focused.pixel(x, y) != unfocused.pixel(x, y);
                    }
                }
            }
            EXPECT_EQ(border, 0) << "border pixels changed";
            EXPECT_EQ(frame, 0) << "frame pixels not in the highlight colour";
            EXPECT_EQ(picture, 0) << "picture pixels changed inside the frame";
            box->setScale(1);
        }
    }
}

// The compass is wider and the ruler taller than their boxes: the picture is clipped at the
// interior and the sunken border stays as an empty box draws it.
TEST_F(PictureBoxTest, TheBorderStaysWhole) {
    Field("Text3")->setFocus();
    for (const char* name : {"Picture1", "Picture4"}) {
        PictureBox empty(form.get());
        empty.setGeometry(Box(name)->geometry());
        const QImage shown = Box(name)->grab().toImage(), border = empty.grab().toImage();
        const QRect interior = Box(name)->contentsRect();
        int differing = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (!interior.contains(x, y) && shown.pixel(x, y) != border.pixel(x, y)) ++differing;
        EXPECT_EQ(differing, 0) << name;
    }
}

}  // namespace
