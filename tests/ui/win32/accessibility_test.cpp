// What assistive tools read of the pictures beyond the behaviour table's names, roles, checked
// flags and announcements: the picture box's own accessible object passes the system's state on.
#include "window_fixture.h"

#include <oleacc.h>

namespace {

using enum ui::Control;

TEST_F(Win32WindowTest, ThePicturesKeepTheSystemsOwnState) {
    for (const ui::Control picture : {Picture1, Picture2, Picture3, Picture4}) {
        EXPECT_NE(win32_test::ReadAccessible(ControlHandle(picture)).state & STATE_SYSTEM_FOCUSABLE, 0) << ui::RowOf(picture).name;
    }
}

}  // namespace
