// What the behaviour table cannot say in the window's terms: how the Qt widgets keep their edit
// history and caret, a huge paste, and the desktop's own habits.
#include "window_fixture.h"

#include <QClipboard>
#include <QElapsedTimer>

namespace {

class LocatorFieldTest : public WindowTest {};

// Qt keeps more than one edit: Ctrl+Shift+Z brings an undone edit again, and a paste is an edit of
// its own even right after typing. (One Ctrl+Z after an edit is a row of the behaviour table.)
TEST_F(LocatorFieldTest, RedoAndAPasteAfterTyping) {
    for (const char* name : {"Text3", "Text5", "Text6"}) {
        SCOPED_TRACE(name);
        QLineEdit* f = field(name);
        type(name, "jn45ll");
        const QString typed = f->text();
        QTest::keyClick(f, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(f, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(f->text(), typed) << "redo";
        // Right after typing, a paste is an edit of its own.
        QApplication::clipboard()->setText("io91wm");
        f->end(false);
        QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(f->text(), typed + (name == std::string("Text6") ? "io91wm" : "IO91WM"));
        QTest::keyClick(f, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(f->text(), typed) << "the paste taken back";
    }
}

TEST_F(LocatorFieldTest, CaretGoesToTheEndAfterAnEditInTheMiddle) {
    QLineEdit* f = field("Text3");
    f->setFocus();
    f->setCursorPosition(2);
    QTest::keyClicks(f, "x-");  // the "-" lands at the end, where the caret went
    EXPECT_EQ(f->text(), "JNX61FV-");
    EXPECT_EQ(f->cursorPosition(), 8);
    f->setCursorPosition(1);
    QTest::keyClick(f, Qt::Key_Backspace);
    EXPECT_EQ(f->text(), "NX61FV-");
    EXPECT_EQ(f->cursorPosition(), 7);
    EXPECT_FALSE(f->hasSelectedText());
}

// A huge paste is cut to the field's length and answered like any bad input, quickly.
TEST_F(LocatorFieldTest, MillionCharacterPasteAndCalculateStayFast) {
    const QString huge(1'000'000, QChar('a'));
    QApplication::clipboard()->setText(huge);
    for (const char* name : {"Text5", "Text3"}) {
        SCOPED_TRACE(name);
        type("Text3", "JN61FV");
        type("Text5", "JN45LL");
        QElapsedTimer timer;
        timer.start();
        type(name, "");
        QTest::keyClick(field(name), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(text(name), QString(32767, QChar('A'))) << "kept up to the field's length, upper-cased";
        ModalWatcher watcher([](QMessageBox*) {});  // a first locator this long brings the box
        watcher.run([&] { click("Command1"); });
        QApplication::processEvents();  // and draw the result
        const qint64 ms = timer.elapsed();
        std::printf("%s: paste of 1,000,000 characters, Calculate and redraw: %lld ms\n", name,
                    static_cast<long long>(ms));
        EXPECT_LT(ms, 20000) << "catches a hang only: a busy or sanitizer build is several times slower";
        EXPECT_EQ(text("Text6"), "??????");
        EXPECT_EQ(text(name), "");
    }
}

class DesktopHabitsTest : public WindowTest {};

// The keypad's Enter does what Return does: it presses a focused button, and in a locator field
// the default button that the completion signal made of Calculate.
TEST_F(DesktopHabitsTest, KeypadEnterIsReturn) {
    for (const char* focus : {"Text5", "Command1", "Command2"}) {
        SCOPED_TRACE(focus);
        type("Text5", "JN45LL");
        field("Text1")->setText("...");
        control(focus)->setFocus();
        QTest::keyClick(control(focus), Qt::Key_Enter, Qt::KeypadModifier);
        if (focus != std::string("Command2")) {
            EXPECT_EQ(text("Text1"), " 326");
        }
    }
    EXPECT_FALSE(form->isVisible()) << "Exit pressed by Enter";
}

TEST_F(WindowTest, FlagsLeaveTheTitleAndKeepTheTag) {
    click("Picture2");
    EXPECT_EQ(form->languageTag(), "eng");
    click("Picture3");
    EXPECT_EQ(form->languageTag(), "ita");
    EXPECT_EQ(form->windowTitle(), "Tarvolin utility 1.1 - QZ9XQW");
}

}  // namespace
