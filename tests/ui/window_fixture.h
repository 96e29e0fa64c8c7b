// A fresh, shown and active window for each test, and its controls by name.
#pragma once

#include "ui/form2.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

class WindowTest : public testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<ui::Form2>();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    template <typename T = QWidget>
    T* control(const char* name) const {
        T* widget = form->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* field(const char* name) const { return control<QLineEdit>(name); }
    QString text(const char* name) const { return field(name)->text(); }
    QString caption(const char* name) const {
        QWidget* widget = control(name);
        return widget->property("text").toString();
    }

    // Replaces a field's text the way a user would: select all, then type.
    void type(const char* name, const QString& keys) const {
        QLineEdit* f = field(name);
        f->setFocus();
        f->selectAll();
        QTest::keyClick(f, Qt::Key_Delete);
        QTest::keyClicks(f, keys);
    }
    void click(const char* name) const { QTest::mouseClick(control(name), Qt::LeftButton); }

    std::unique_ptr<ui::Form2> form;
};
