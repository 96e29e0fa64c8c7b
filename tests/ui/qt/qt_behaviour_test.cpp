// The behaviour table on the real Qt window: real key and mouse events on the widgets.
#include "window_fixture.h"

#include "../behaviour_table.h"

#include "ui/control_table.h"
#include "ui/qt/qt_text.h"

#include <QClipboard>

namespace {

using behaviour::SeenMessage;
using ui::Control;
using ui::qt::ToQString;

// Drives the window with QTest's events, as a user would; every message box is looked at and
// dismissed with OK.
class QtDriver : public behaviour::WindowDriver {
public:
    explicit QtDriver(ui::qt::Form2Window& form) : form_(form) {}

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
    void PressEnter(Control control) override {
        act([&] {
            widget(control)->setFocus();
            QTest::keyClick(widget(control), Qt::Key_Return);
        });
    }
    void Write(Control control, std::u16string_view text) override {
        act([&] { widget(control)->setProperty("text", ToQString(text)); });
    }
    std::u16string Shown(Control control) override {
        return widget(control)->property("text").toString().toStdU16String();
    }
    const std::vector<SeenMessage>& Messages() override { return messages_; }
    bool Closed() override { return !form_.isVisible(); }

private:
    QWidget* widget(Control control) const {
        QWidget* w = form_.findChild<QWidget*>(QLatin1String(ui::RowOf(control).name));
        EXPECT_NE(w, nullptr) << ui::RowOf(control).name;
        return w;
    }
    QLineEdit* lineEdit(Control field) const { return qobject_cast<QLineEdit*>(widget(field)); }

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
