#include "window_accessibility.h"

#include "picture_box.h"
#include "text_box.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace ui::qt {
namespace {

// The window's accessible interface, listing its direct child controls that are not hidden.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(ShownChildren().size()); }

    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = ShownChildren();
        if (index < 0 || index >= children.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child || !child->object() || !child->object()->isWidgetType()) return -1;
        return static_cast<int>(ShownChildren().indexOf(static_cast<QWidget*>(child->object())));
    }

private:
    QList<QWidget*> ShownChildren() const {
        QList<QWidget*> shown;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child && !child->isWindow() && !child->isHidden()) shown.append(child);
        }
        return shown;
    }
};

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

QAccessibleInterface* WindowAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("ui::qt::Form2Window") && object && object->isWidgetType()) {
        return new WindowAccessible(static_cast<QWidget*>(object));
    }
    if (className == QLatin1String("ui::qt::PictureBox") && object) {
        return new PictureAccessible(static_cast<PictureBox*>(object));
    }
    return nullptr;
}

// The update handler that was in place before ours; none means the platform's own.
QAccessible::UpdateHandler previousUpdateHandler = nullptr;

// A hidden field is never shown: changes of its text are nobody's news. QLineEdit reports them
// all the same, and a screen reader would read out nameless numbers such as "-790.6875".
bool IsHiddenField(const QObject* object) {
    const auto* field = qobject_cast<const TextBox*>(object);
    return field && field->isHidden();
}

void QuietHiddenFields(QAccessibleEvent* event) {
    if (IsHiddenField(event->object())) return;
    // Hands the event on by putting the previous handler back for the moment: the platform's own
    // path is reached only through updateAccessibility.
    QAccessible::installUpdateHandler(previousUpdateHandler);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(QuietHiddenFields);
}

}  // namespace

void InstallWindowAccessibility() {
    static const bool factoryInstalled = (QAccessible::installFactory(WindowAccessibleFactory), true);
    Q_UNUSED(factoryInstalled);
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(QuietHiddenFields);
    if (previous != QuietHiddenFields) previousUpdateHandler = previous;
}

}  // namespace ui::qt
