// The behaviour table on the real Qt window: real key and mouse events on the widgets.
#include "window_fixture.h"

#include "ui/qt/picture_box.h"

#include "../behaviour_table.h"

#include "ui/control_table.h"
#include "ui/qt/qt_text.h"

#include <QAccessible>
#include <QClipboard>
#include <QTest>

#include <map>
#include <optional>

namespace {

using behaviour::SeenMessage;
using ui::Control;
using ui::qt::FromQString;
using ui::qt::ToQString;

// Drives the window with QTest's events, as a user would; every message box is looked at and
// dismissed with OK.
class QtDriver : public behaviour::WindowDriver {
public:
    explicit QtDriver(ui::qt::Form2Window& form) : form_(form), previous_(QAccessible::installUpdateHandler(Record)) {
        for (const ui::ControlRow& row : ui::ControlTable()) {
            if (row.event == ui::Event::Change) {
                QObject::connect(LineEdit(row.id), &QLineEdit::textChanged, &connections_, [this, id = row.id] { ++changes_[id]; });
            }
        }
    }
    ~QtDriver() override { QAccessible::installUpdateHandler(previous_); }

    void Copy(std::u16string_view text) override { QApplication::clipboard()->setText(ToQString(text)); }
    void Click(Control control) override {
        AwaitLastFrameIfClosing(Widget(control));
        Act([&] { QTest::mouseClick(Widget(control), Qt::LeftButton); });
    }
    // As a desktop delivers it: the second press comes as a double-click.
    void DoubleClick(Control control) override {
        AwaitLastFrameIfClosing(Widget(control));
        Act([&] {
            QTest::mousePress(Widget(control), Qt::LeftButton);
            QTest::mouseRelease(Widget(control), Qt::LeftButton);
            QTest::mouseDClick(Widget(control), Qt::LeftButton);
            QTest::mouseRelease(Widget(control), Qt::LeftButton);
        });
    }
    // As a mouse does it: pressed, moved off the control, released there.
    void ReleaseOutside(Control control) override {
        Act([&] {
            const QPoint outside(Widget(control)->width() + 5, 5);
            QTest::mousePress(Widget(control), Qt::LeftButton);
            QTest::mouseMove(Widget(control), outside);
            QTest::mouseRelease(Widget(control), Qt::LeftButton, {}, outside);
        });
    }
    void Focus(Control control) override { Act([&] { Widget(control)->setFocus(); }); }
    void Press(behaviour::Key key) override {
        AwaitLastFrameIfClosing(FocusWidget());
        Act([&] {
            QWidget* focus = FocusWidget();
            switch (key) {
            case behaviour::Key::Tab: QTest::keyClick(focus, Qt::Key_Tab); break;
            case behaviour::Key::ShiftTab: QTest::keyClick(focus, Qt::Key_Backtab, Qt::ShiftModifier); break;
            case behaviour::Key::Home: QTest::keyClick(focus, Qt::Key_Home); break;
            case behaviour::Key::End: QTest::keyClick(focus, Qt::Key_End); break;
            case behaviour::Key::ShiftHome: QTest::keyClick(focus, Qt::Key_Home, Qt::ShiftModifier); break;
            case behaviour::Key::Delete: QTest::keyClick(focus, Qt::Key_Delete); break;
            case behaviour::Key::Backspace: QTest::keyClick(focus, Qt::Key_Backspace); break;
            case behaviour::Key::Paste: QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier); break;
            case behaviour::Key::Undo: QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier); break;
            case behaviour::Key::Space: QTest::keyClick(focus, Qt::Key_Space); break;
            case behaviour::Key::Enter: QTest::keyClick(focus, Qt::Key_Return); break;
            case behaviour::Key::KeypadEnter: QTest::keyClick(focus, Qt::Key_Enter, Qt::KeypadModifier); break;
            }
        });
    }
    void Keys(std::u16string_view keys) override { Act([&] { TypeKeys(FocusWidget(), keys); }); }
    ui::PixelRect Place(Control control) override {
        const QRect r = Widget(control)->geometry();
        return {r.x(), r.y(), r.width(), r.height()};
    }
    ui::PixelRect ClientArea() override { return {0, 0, form_.width(), form_.height()}; }
    std::u16string AccessibleName(Control control) override {
        QAccessibleInterface* object = QAccessible::queryAccessibleInterface(Widget(control));
        return object ? FromQString(object->text(QAccessible::Name)) : std::u16string();
    }
    std::optional<behaviour::Role> AccessibleRole(Control control) override {
        QAccessibleInterface* object = QAccessible::queryAccessibleInterface(Widget(control));
        switch (object ? object->role() : QAccessible::NoRole) {
        case QAccessible::Graphic: return behaviour::Role::Image;
        case QAccessible::Button: return behaviour::Role::Button;
        case QAccessible::RadioButton: return behaviour::Role::Choice;
        case QAccessible::EditableText: return behaviour::Role::Text;
        default: return std::nullopt;
        }
    }
    bool AccessiblyChecked(Control control) override {
        QAccessibleInterface* object = QAccessible::queryAccessibleInterface(Widget(control));
        return object && object->state().checkable && object->state().checked;
    }
    bool AccessiblyPressable(Control control) override {
        QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(Widget(control))->actionInterface();
        return actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction());
    }
    void PressAccessibly(Control control) override {
        Act([&] {
            if (AccessiblyPressable(control)) {
                QAccessible::queryAccessibleInterface(Widget(control))->actionInterface()->doAction(
                    QAccessibleActionInterface::pressAction());
            }
        });
    }
    std::vector<std::string> Announced() override { return announced; }
    // Qt tells assistive tools of changes only while its bridge is up, on an accessibility bus.
    bool Has(behaviour::Ability ability) const override {
        return ability != behaviour::Ability::Announcements || OnAccessibilityBus();
    }
    Control Focused() override {
        const QWidget* focus = FocusWidget();
        for (const ui::ControlRow& row : ui::ControlTable()) {
            if (focus && focus->objectName() == QLatin1String(row.name)) return row.id;
        }
        ADD_FAILURE() << "the focus is on no control of the window";
        return Control::Label1;
    }
    std::optional<Control> DefaultButton() override {
        for (const Control button : {Control::Command1, Control::Command2}) {
            if (qobject_cast<QPushButton*>(Widget(button))->isDefault()) return button;
        }
        return std::nullopt;
    }
    int ChangesNotified(Control field) override { return changes_[field]; }
    const std::vector<SeenMessage>& Messages() override { return messages_; }
    bool Closed() override { return !form_.isVisible(); }

protected:
    ui::Form2& Program() override { return form_.logic(); }
    void Act(const std::function<void()>& action) override {
        changes_.clear();
        announced.clear();
        ModalWatcher watcher([this](QMessageBox* box) {
            messages_.push_back({FromQString(box->windowTitle()), FromQString(box->text()), behaviour::TakeSnapshot(*this),
                                 static_cast<int>(box->buttons().size()), box->button(QMessageBox::Ok) != nullptr,
                                 box->icon() != QMessageBox::NoIcon, !box->isModal()});
        });
        watcher.Run(action);
    }

private:
    QWidget* Widget(Control control) const {
        QWidget* w = form_.findChild<QWidget*>(QLatin1String(ui::RowOf(control).name));
        EXPECT_NE(w, nullptr) << ui::RowOf(control).name;
        return w;
    }
    // Exit closes the window at once; on Wayland it must not close with a frame unanswered.
    void AwaitLastFrameIfClosing(QWidget* target) const {
        if (target == Widget(ui::kExitButton))
            AwaitLastFrame(&form_);
    }
    QLineEdit* LineEdit(Control field) const { return qobject_cast<QLineEdit*>(Widget(field)); }
    // The window's focused control, also while a message box just closed has left it inactive.
    QWidget* FocusWidget() const {
        QWidget* focus = form_.focusWidget();
        EXPECT_NE(focus, nullptr) << "no control has the focus";
        return focus ? focus : &form_;
    }

    // One key event per character; those beyond ASCII arrive as text, as from an input method.
    static void TypeKeys(QWidget* target, std::u16string_view keys) {
        const QString text = ToQString(keys);
        for (const char32_t c : text.toUcs4()) {
            const QString character = QString::fromUcs4(&c, 1);
            if (c < 0x80) {
                QTest::keyClick(target, static_cast<char>(c));
            } else {
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, character, Qt::NoModifier);
            }
        }
    }

    static bool OnAccessibilityBus() {
        static const bool up = !qEnvironmentVariableIsEmpty("TARVOLIN_ACCESSIBILITY_BUS") &&
                               QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000);
        return up;
    }
    // Every state and name change of the pictures, while a driver is up.
    static void Record(QAccessibleEvent* event) {
        const QObject* object = event->object();
        const char* what = event->type() == QAccessible::StateChanged ? " state"
                           : event->type() == QAccessible::NameChanged ? " name"
                                                                       : nullptr;
        if (what && qobject_cast<const ui::qt::PictureBox*>(object)) announced.push_back(object->objectName().toStdString() + what);
    }
    static inline std::vector<std::string> announced;

    ui::qt::Form2Window& form_;
    const QAccessible::UpdateHandler previous_;  // put back when the driver ends
    QObject connections_;  // ends the driver's connections with the driver
    std::map<Control, int> changes_;
    std::vector<SeenMessage> messages_;
};

class QtBehaviour : public WindowTest, public testing::WithParamInterface<behaviour::Row> {};

TEST_P(QtBehaviour, Row) {
    QtDriver driver(*form);
    behaviour::Run(GetParam(), driver);
}

INSTANTIATE_TEST_SUITE_P(Window, QtBehaviour, testing::ValuesIn(behaviour::Rows()),
                         [](const auto& info) { return behaviour::RowName(info.param); });

}  // namespace
