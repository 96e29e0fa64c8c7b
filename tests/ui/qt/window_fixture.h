// A fresh, shown and active window for each test, and its controls by name.
#pragma once

#include "ui/qt/form2_window.h"
#include "wayland_frames.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

// Runs action while watching for a modal dialog: the dialog is handed to inspect and then
// dismissed with OK, so that a dialog can never block a test.
class ModalWatcher {
public:
    explicit ModalWatcher(std::function<void(QMessageBox*)> inspect) : inspect_(std::move(inspect)) {}
    void Run(const std::function<void()>& action) {
        QTimer timer;
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                inspect_(box);
                AwaitLastFrame(box);
                if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
                    ok->click();
                } else {
                    box->close();
                }
            }
        });
        timer.start();
        action();
    }

private:
    std::function<void(QMessageBox*)> inspect_;
};

class WindowTest : public testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<ui::qt::Form2Window>();
        form->show();
        form->activateWindow();
        // Qt can ask no Wayland compositor for activation and waits there only until the window is
        // shown; the compositor activates it a moment later, and only then do focus events come.
        if (QGuiApplication::platformName() == QLatin1String("wayland"))
            ASSERT_TRUE(QTest::qWaitFor([this] { return form->isActiveWindow(); }));
        else
            ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    void TearDown() override { AwaitLastFrame(form.get()); }

    template <typename T = QWidget>
    T* Widget(const char* name) const {
        T* widget = form->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* Field(const char* name) const { return Widget<QLineEdit>(name); }
    QString Caption(const char* name) const {
        QWidget* widget = Widget(name);
        return widget->property("text").toString();
    }

    // Replaces a field's text the way a user would: select all, then type.
    void Type(const char* name, const QString& keys) const {
        QLineEdit* f = Field(name);
        f->setFocus();
        f->selectAll();
        QTest::keyClick(f, Qt::Key_Delete);
        QTest::keyClicks(f, keys);
    }
    void Click(const char* name) const { QTest::mouseClick(Widget(name), Qt::LeftButton); }

    std::unique_ptr<ui::qt::Form2Window> form;
};
