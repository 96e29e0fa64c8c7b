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
    for (const char* hidden : {"Text2", "Text4", "Text7", "Text8"}) EXPECT_FALSE(exposed.contains(hidden)) << hidden;
    for (const NamedControl& n : kNames) EXPECT_TRUE(exposed.contains(n.control)) << n.control;
}

}  // namespace
