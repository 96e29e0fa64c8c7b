// The behaviour table on the real Qt window: real key and mouse events on the widgets.
#include "window_fixture.h"

#include "../behaviour_table.h"

#include "ui/control_table.h"
#include "ui/qt/qt_text.h"

#include <QClipboard>

#include <map>
#include <optional>

namespace {

using behaviour::SeenMessage;
using ui::Control;
using ui::qt::ToQString;

// Drives the window with QTest's events, as a user would; every message box is looked at and
// dismissed with OK.
class QtDriver : public behaviour::WindowDriver {
public:
    explicit QtDriver(ui::qt::Form2Window& form) : form_(form) {
        for (const ui::ControlRow& row : ui::ControlTable()) {
            if (row.handler && row.kind == ui::ControlKind::TextBox) {
                QObject::connect(lineEdit(row.id), &QLineEdit::textChanged, &connections_, [this, id = row.id] { ++changes_[id]; });
            }
        }
    }

    void Type(Control field, std::u16string_view keys) override {
        act([&] {
            QLineEdit* f = lineEdit(field);
            f->setFocus();
            f->selectAll();
            QTest::keyClick(f, Qt::Key_Delete);
            typeKeys(f, keys);
        });
    }
    void Append(Control field, std::u16string_view keys) override {
        act([&] {
            QLineEdit* f = lineEdit(field);
            f->setFocus();
            f->end(false);
            typeKeys(f, keys);
        });
    }
    void Backspace(Control field) override {
        act([&] {
            QLineEdit* f = lineEdit(field);
            f->setFocus();
            f->end(false);
            QTest::keyClick(f, Qt::Key_Backspace);
        });
    }
    void Paste(Control field, std::u16string_view text) override {
        QApplication::clipboard()->setText(ToQString(text));
        act([&] {
            QLineEdit* f = lineEdit(field);
            f->setFocus();
            f->selectAll();
            QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
        });
    }
    void Click(Control control) override { act([&] { QTest::mouseClick(widget(control), Qt::LeftButton); }); }
    // As a desktop delivers it: the second press comes as a double-click.
    void DoubleClick(Control control) override {
        act([&] {
            QTest::mousePress(widget(control), Qt::LeftButton);
            QTest::mouseRelease(widget(control), Qt::LeftButton);
            QTest::mouseDClick(widget(control), Qt::LeftButton);
            QTest::mouseRelease(widget(control), Qt::LeftButton);
        });
    }
    void Focus(Control control) override { act([&] { widget(control)->setFocus(); }); }
    void Press(behaviour::Key key) override {
        act([&] {
            QWidget* focus = focusWidget();
            switch (key) {
            case behaviour::Key::Tab: QTest::keyClick(focus, Qt::Key_Tab); break;
            case behaviour::Key::ShiftTab: QTest::keyClick(focus, Qt::Key_Backtab, Qt::ShiftModifier); break;
            case behaviour::Key::Undo: QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier); break;
            case behaviour::Key::Space: QTest::keyClick(focus, Qt::Key_Space); break;
            case behaviour::Key::Enter: QTest::keyClick(focus, Qt::Key_Return); break;
            }
        });
    }
    void Keys(std::u16string_view keys) override { act([&] { typeKeys(focusWidget(), keys); }); }
    void Write(Control control, std::u16string_view text) override {
        act([&] {
            if (IsField(control)) {
                form_.SetText(control, text);
            } else {
                form_.SetCaption(control, text);
            }
        });
    }
    std::u16string Shown(Control control) override { return IsField(control) ? form_.Text(control) : form_.Caption(control); }
    Control Focused() override {
        const QWidget* focus = focusWidget();
        for (const ui::ControlRow& row : ui::ControlTable()) {
            if (focus && focus->objectName() == QLatin1String(row.name)) return row.id;
        }
        ADD_FAILURE() << "the focus is on no control of the window";
        return Control::Label1;
    }
    std::optional<Control> DefaultButton() override {
        for (const Control button : {Control::Command1, Control::Command2}) {
            if (qobject_cast<QPushButton*>(widget(button))->isDefault()) return button;
        }
        return std::nullopt;
    }
    int ChangesNotified(Control field) override { return changes_[field]; }
    const std::vector<SeenMessage>& Messages() override { return messages_; }
    bool Closed() override { return !form_.isVisible(); }

private:
    static bool IsField(Control control) {
        const ui::ControlKind kind = ui::RowOf(control).kind;
        return kind == ui::ControlKind::TextBox || kind == ui::ControlKind::HiddenTextBox;
    }
    QWidget* widget(Control control) const {
        QWidget* w = form_.findChild<QWidget*>(QLatin1String(ui::RowOf(control).name));
        EXPECT_NE(w, nullptr) << ui::RowOf(control).name;
        return w;
    }
    QLineEdit* lineEdit(Control field) const { return qobject_cast<QLineEdit*>(widget(field)); }
    // The window's focused control, also while a message box just closed has left it inactive.
    QWidget* focusWidget() const {
        QWidget* focus = form_.focusWidget();
        EXPECT_NE(focus, nullptr) << "no control has the focus";
        return focus ? focus : &form_;
    }

    // One key event per character; those beyond ASCII arrive as text, as from an input method.
    static void typeKeys(QWidget* target, std::u16string_view keys) {
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

    void act(const std::function<void()>& action) {
        changes_.clear();
        ModalWatcher watcher([this](QMessageBox* box) {
            EXPECT_TRUE(box->isModal());
            EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
            EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
            EXPECT_EQ(box->buttons().size(), 1);
            messages_.push_back({box->windowTitle().toStdU16String(), box->text().toStdU16String(),
                                 behaviour::TakeSnapshot(*this)});
        });
        watcher.run(action);
    }

    ui::qt::Form2Window& form_;
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
