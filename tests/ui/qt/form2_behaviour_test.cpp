// What the behaviour table cannot say in the window's terms: how the Qt widgets carry out the
// contract (nesting, caret, the default button), a huge paste, and the desktop's own habits.
#include "ui/qt/picture_box.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QElapsedTimer>

namespace {

class LocatorFieldTest : public WindowTest {};

// Counts the change notifications of a field and the text each one carried.
struct ChangeLog {
    QStringList texts;
    explicit ChangeLog(QLineEdit* f) { QObject::connect(f, &QLineEdit::textChanged, [this](const QString& t) { texts << t; }); }
};

// Typed letters reach the field in upper case, so the upper-casing handler finds nothing to write
// back; a lower-case text written by the program is written back, and that write runs the handler
// once more, nested: the nested run's notification finishes before the outer one is seen.
TEST_F(LocatorFieldTest, UpperCasingNestsExactlyOnce) {
    for (const auto& [name, id] : {std::pair{"Text3", ui::Control::Text3}, std::pair{"Text5", ui::Control::Text5}}) {
        SCOPED_TRACE(name);
        QLineEdit* f = field(name);
        f->setFocus();
        f->end(false);
        ChangeLog log(f);
        QTest::keyClick(f, Qt::Key_A);
        ASSERT_EQ(log.texts.size(), 1);
        EXPECT_TRUE(log.texts[0].endsWith('A'));
        EXPECT_EQ(f->cursorPosition(), f->text().size());
        log.texts.clear();
        form->SetText(id, u"jn61fv");
        ASSERT_EQ(log.texts.size(), 2);
        EXPECT_EQ(log.texts[0], "JN61FV");
        EXPECT_EQ(log.texts[1], "jn61fv");
        EXPECT_EQ(f->cursorPosition(), 6);
        log.texts.clear();
        QTest::keyClick(f, Qt::Key_1);
        EXPECT_EQ(log.texts.size(), 1) << "a digit needs no write-back";
    }
}

// The fields keep their edit history: Ctrl+Z takes back the last edit and Ctrl+Shift+Z brings it
// again, in the locator fields as in the others.
TEST_F(LocatorFieldTest, UndoTakesBackTheLastEdit) {
    for (const char* name : {"Text3", "Text5", "Text6"}) {
        SCOPED_TRACE(name);
        QLineEdit* f = field(name);
        const QString before = f->text();
        type(name, "jn45ll");
        const QString typed = f->text();
        EXPECT_EQ(typed, name == std::string("Text6") ? "jn45ll" : "JN45LL");
        QTest::keyClick(f, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(f->text(), before) << "the replacement taken back as one edit";
        QTest::keyClick(f, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(f->text(), typed) << "redo";
        // A paste is an edit like any other.
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

// The completion signal is Qt's default button: Enter in a locator field presses it, the keypad's
// Enter too.
TEST_F(LocatorFieldTest, CompletionSignalMakesCalculateTheDefaultButton) {
    auto* calculateButton = control<QPushButton>("Command1");
    type("Text3", "JN61FA");  // six characters in the first field do nothing
    EXPECT_FALSE(calculateButton->isDefault());
    type("Text5", "JN61F");
    EXPECT_FALSE(calculateButton->isDefault());
    QTest::keyClick(field("Text5"), Qt::Key_V);
    EXPECT_TRUE(calculateButton->isDefault());
    QTest::keyClick(field("Text5"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(text("Text1"), " 360");
}

TEST_F(LocatorFieldTest, CalculatedFieldsStayHidden) {
    type("Text5", "JN45LL");
    click("Command1");
    EXPECT_EQ(text("Text7"), "41.8958333333333");
    for (const char* hidden : {"Text2", "Text4", "Text7", "Text8"}) EXPECT_FALSE(field(hidden)->isVisible()) << hidden;
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

// Typing into a field that shows the placeholder replaces it, whether the field got the focus by a
// click or by Tab; any other text keeps the caret where the click put it.
TEST_F(DesktopHabitsTest, FocusOnThePlaceholderSelectsIt) {
    struct Row {
        const char* field;
        const char* before;  // the control that has the focus first
        const char* shown;
        bool byTab;
        const char* typed;
        const char* after;
    };
    const Row rows[] = {
        {"Text5", "Text3", "...", false, "io91wm", "IO91WM"}, {"Text5", "Text3", "...", true, "io91wm", "IO91WM"},
        {"Text6", "Text5", "...", false, "100", "100"},       {"Text1", "Picture1", "...", true, "90", "90"},
        {"Text6", "Text5", "....", false, "1", "....1"},      {"Text6", "Text5", " ...", false, "1", " ...1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.field << " \"" << row.shown << "\" by " << (row.byTab ? "Tab" : "click"));
        field(row.field)->setText(row.shown);
        control(row.before)->setFocus();
        if (row.byTab) {
            QTest::keyClick(control(row.before), Qt::Key_Tab);
        } else {
            QTest::mouseClick(field(row.field), Qt::LeftButton, {}, QPoint(field(row.field)->width() - 4, 12));
        }
        ASSERT_TRUE(field(row.field)->hasFocus());
        QTest::keyClicks(field(row.field), row.typed);
        EXPECT_EQ(text(row.field), row.after);
    }
}

// The second press of a double-click is no new click, as on the desktops the window was drawn for.
TEST_F(DesktopHabitsTest, ADoubleClickOnAPictureIsOneClick) {
    type("Text6", "100");
    for (const char* name : {"Picture2", "Picture3", "Picture4"}) {
        int clicks = 0;
        QObject::connect(control<ui::qt::PictureBox>(name), &ui::qt::PictureBox::clicked, [&clicks] { ++clicks; });
        QWidget* picture = control(name);
        QTest::mousePress(picture, Qt::LeftButton);
        QTest::mouseRelease(picture, Qt::LeftButton);
        QTest::mouseDClick(picture, Qt::LeftButton);
        QTest::mouseRelease(picture, Qt::LeftButton);
        EXPECT_EQ(clicks, 1) << name;
    }
    EXPECT_EQ(text("Text6"), "62") << "one conversion to miles";
}

// Return and the keypad's Enter press a focused button, as Space does.
TEST_F(DesktopHabitsTest, EnterPressesTheFocusedButton) {
    struct Row {
        const char* button;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    for (const Row& row : {Row{"Command1", Qt::Key_Return, {}}, Row{"Command1", Qt::Key_Enter, Qt::KeypadModifier},
                           Row{"Command1", Qt::Key_Space, {}}, Row{"Command2", Qt::Key_Enter, Qt::KeypadModifier}}) {
        SCOPED_TRACE(row.button);
        type("Text5", "JN45LL");
        field("Text1")->setText("...");
        control(row.button)->setFocus();
        QTest::keyClick(control(row.button), row.key, row.modifiers);
        if (row.button == std::string("Command1")) {
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
