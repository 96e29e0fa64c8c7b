// What assistive tools read of the window, in each caption language.
#include "window_fixture.h"

#include "ui/qt/picture_box.h"

#include <QAccessible>
#include <QRegularExpression>

namespace {

struct NamedControl {
    const char* control;
    const char* italian;
    const char* english;
};

const NamedControl kNames[] = {
    {"Text3", "Locatore 1", "Locator 1"},
    {"Text5", "Locatore 2", "Locator 2"},
    {"Text1", "Puntamento", "Bearing"},
    {"Text6", "Km", "Km"},
    {"Command1", "Calcola", "Calculate"},
    {"Command2", "Esci", "Exit"},
    {"Picture1", "Bussola", "Compass"},
    {"Picture2", "English", "English"},
    {"Picture3", "Italiano", "Italiano"},
    {"Picture4", "Km/miglia", "Km/miles"},
};

class AccessibilityTest : public WindowTest {
protected:
    QString accessibleName(const char* name) const {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control(name));
        return iface ? iface->text(QAccessible::Name) : QString();
    }
    void expectNames(bool english) const {
        for (const NamedControl& n : kNames)
            EXPECT_EQ(accessibleName(n.control), english ? n.english : n.italian) << n.control;
    }
};

TEST_F(AccessibilityTest, EveryShownControlIsNamedInTheCaptionLanguage) {
    expectNames(false);
    click("Picture2");
    expectNames(true);
    click("Picture4");  // the distance field is named after its unit caption
    EXPECT_EQ(accessibleName("Text6"), "Miles");
    click("Picture3");
    EXPECT_EQ(accessibleName("Text6"), "Miglia");
    click("Picture4");
    expectNames(false);
}

// The compass is an image; the ruler and the flags are buttons an assistive tool can press, and the
// flags tell which language is chosen.
TEST_F(AccessibilityTest, PicturesAreAnImageAndButtons) {
    struct Row {
        const char* picture;
        QAccessible::Role role;
    };
    for (const Row& row : {Row{"Picture1", QAccessible::Graphic}, Row{"Picture2", QAccessible::RadioButton},
                           Row{"Picture3", QAccessible::RadioButton}, Row{"Picture4", QAccessible::Button}}) {
        QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(control(row.picture));
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->role(), row.role) << row.picture;
        ASSERT_NE(picture->actionInterface(), nullptr);
        EXPECT_EQ(picture->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()),
                  row.role != QAccessible::Graphic)
            << row.picture;
    }
    const auto checked = [this](const char* flag) {
        const QAccessible::State state = QAccessible::queryAccessibleInterface(control(flag))->state();
        return state.checkable && state.checked;
    };
    const auto press = [this](const char* name) {
        QAccessible::queryAccessibleInterface(control(name))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    EXPECT_TRUE(checked("Picture3") && !checked("Picture2")) << "Italian at start";
    press("Picture2");
    EXPECT_EQ(caption("Command1"), "Calculate");
    EXPECT_TRUE(checked("Picture2") && !checked("Picture3"));
    type("Text6", "100");
    press("Picture4");
    EXPECT_EQ(text("Text6"), "62");
    press("Picture3");
    EXPECT_TRUE(checked("Picture3") && !checked("Picture2"));
    EXPECT_EQ(caption("Label3"), "Miglia");
}

// The hidden coordinate fields have no widget, so assistive tools never list them.
TEST_F(AccessibilityTest, HiddenCoordinateFieldsAreNotExposed) {
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
    ASSERT_NE(window, nullptr);
    QStringList exposed;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        ASSERT_NE(child, nullptr);
        exposed << child->object()->objectName();
        EXPECT_EQ(window->indexOfChild(child), i);
    }
    EXPECT_EQ(exposed.size(), 14);
    EXPECT_EQ(window->child(window->childCount()), nullptr);
    EXPECT_EQ(window->child(-1), nullptr);
    for (const char* hidden : {"Text2", "Text4", "Text7", "Text8"}) EXPECT_FALSE(exposed.contains(hidden)) << hidden;
    for (const NamedControl& n : kNames) EXPECT_TRUE(exposed.contains(n.control)) << n.control;
}

// What reaches the platform's accessibility bridge: every event, as its object's name and what
// changed ("Picture2 state", "Picture1 name", "Text1 text").
QStringList reported;
void RecordEvent(QAccessibleEvent* event) {
    if (!event->object()) return;
    const QString name = event->object()->objectName();
    switch (event->type()) {
    case QAccessible::StateChanged: reported << name + " state"; break;
    case QAccessible::NameChanged: reported << name + " name"; break;
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated: reported << name + " text"; break;
    default: break;
    }
}

// A flag's checked state and a picture's name that change with the language are told as they
// change, and only then; the coordinate fields, which change on every calculation but are never
// shown, are never heard of. Runs on an accessibility bus (see CMakeLists): elsewhere Qt raises no
// accessibility events at all.
TEST(AccessibilityBus, WhatAssistiveToolsAreTold) {
    if (qEnvironmentVariableIsEmpty("TARVOLIN_ACCESSIBILITY_BUS")) {
        GTEST_SKIP() << "needs an accessibility bus: ctest -R accessibility_events_on_the_bus";
    }
    // The bridge comes up once Qt has reached the accessibility bus.
    ASSERT_TRUE(QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000)) << "no accessibility bridge";
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(RecordEvent);
    {
        ui::qt::Form2Window form;
        form.show();
        const auto click = [&form](const char* picture) {
            reported.clear();
            form.findChild<ui::qt::PictureBox*>(picture)->click();
            QStringList heard = reported.filter(QRegularExpression("^Picture"));
            heard.sort();
            return heard;
        };
        const QStringList switched = {"Picture1 name", "Picture2 state", "Picture3 state", "Picture4 name"};
        EXPECT_EQ(click("Picture2"), switched);
        EXPECT_EQ(click("Picture2"), QStringList()) << "English already";
        EXPECT_EQ(click("Picture3"), switched);
        EXPECT_EQ(click("Picture3"), QStringList()) << "Italian already";

        reported.clear();
        form.SetText(ui::Control::Text5, u"JN45LL");
        form.findChild<QPushButton*>("Command1")->click();
        EXPECT_EQ(form.Text(ui::Control::Text7), u"41.8958333333333");
        EXPECT_TRUE(reported.contains("Text1 text") && reported.contains("Text6 text")) << "shown fields report their changes";
        for (const char* hidden : {"Text2", "Text4", "Text7", "Text8"}) {
            EXPECT_TRUE(reported.filter(hidden).isEmpty()) << hidden;
        }
    }
    QAccessible::installUpdateHandler(previous);
}

}  // namespace
