// What the behaviour table cannot say in the window's terms: how the Qt widgets keep their edit
// history, and the desktop's own habits.
#include "window_fixture.h"

#include <QClipboard>

namespace {

class LocatorFieldTest : public WindowTest {};

// Qt keeps more than one edit: Ctrl+Shift+Z brings an undone edit again, and a paste is an edit of
// its own even right after typing. (One Ctrl+Z after an edit is a row of the behaviour table.)
TEST_F(LocatorFieldTest, RedoAndAPasteAfterTyping) {
    for (const char* name : {"Text3", "Text5", "Text6"}) {
        SCOPED_TRACE(name);
        QLineEdit* f = Field(name);
        Type(name, "jn45ll");
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

}  // namespace
