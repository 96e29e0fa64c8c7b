// What assistive tools read of the window, in each caption language.
#include "window_fixture.h"

#include <QAccessible>

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

// What reaches the platform's accessibility bridge: the objects of every event, by name.
QStringList reported;
void RecordEvent(QAccessibleEvent* event) {
    if (event->object()) reported << event->object()->objectName();
}

// The coordinate fields change on every calculation, but they are never shown: a screen reader
// must not read their numbers out. Runs on an accessibility bus (see CMakeLists): elsewhere Qt
// raises no accessibility events at all.
TEST(AccessibilityBus, HiddenFieldsRaiseNoEvents) {
    if (qEnvironmentVariableIsEmpty("TARVOLIN_ACCESSIBILITY_BUS")) {
        GTEST_SKIP() << "needs an accessibility bus: ctest -R accessibility_events_on_the_bus";
    }
    // The bridge comes up once Qt has reached the accessibility bus.
    ASSERT_TRUE(QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000)) << "no accessibility bridge";
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(RecordEvent);
    reported.clear();
    {
        ui::qt::Form2Window form;  // puts the window's filter in front of the recorder
        form.show();
        form.SetText(ui::Control::Text5, u"JN45LL");
        form.findChild<QPushButton*>("Command1")->click();
        EXPECT_EQ(form.Text(ui::Control::Text7), u"41.8958333333333");
    }
    QAccessible::installUpdateHandler(previous);
    EXPECT_TRUE(reported.contains("Text1") && reported.contains("Text6")) << "shown fields report their changes";
    for (const char* hidden : {"Text2", "Text4", "Text7", "Text8"}) EXPECT_FALSE(reported.contains(hidden)) << hidden;
}

}  // namespace
