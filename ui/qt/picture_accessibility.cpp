#include "picture_accessibility.h"

#include "picture_box.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace ui::qt {
namespace {

// A picture: an image, or a button with a press action that clicks it; a choice among pictures
// (a flag) also tells whether it is the one chosen.
class PictureAccessible : public QAccessibleWidget {
public:
    explicit PictureAccessible(PictureBox* picture) : QAccessibleWidget(picture, picture->accessibleRole()) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (role() == QAccessible::RadioButton) {
            state.checkable = true;
            state.checked = picture()->isChecked();
        }
        return state;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (pressable()) names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& name) override {
        if (pressable() && name == pressAction()) {
            picture()->click();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }

private:
    PictureBox* picture() const { return static_cast<PictureBox*>(widget()); }
    bool pressable() const { return role() != QAccessible::Graphic; }
};

QAccessibleInterface* PictureAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("ui::qt::PictureBox") && object) {
        return new PictureAccessible(static_cast<PictureBox*>(object));
    }
    return nullptr;
}

}  // namespace

void InstallPictureAccessibility() {
    static const bool factoryInstalled = (QAccessible::installFactory(PictureAccessibleFactory), true);
    Q_UNUSED(factoryInstalled);
}

}  // namespace ui::qt
