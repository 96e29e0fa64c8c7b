// The window's message box: the system's own (modal, one OK button, no icon), made wide enough
// for its whole title. The system sizes a box for its message and its buttons alone, so a box
// with an empty message, as the over-length box is, comes out about 100 px wide whatever its
// title: its title bar then shows "Tar...11" or nothing of "Tarvolin_11", which is all it says.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

namespace ui::win32 {

// The width of a title bar that holds the whole title in the caption font of the metrics, beside
// the buttons and icon a title bar may hold (as many as a main window's: five, each as wide as
// the metrics' caption buttons, and one more spread around the title).
int TitleBarWidthFor(std::u16string_view title, const NONCLIENTMETRICSW& metrics);

// Shows the box over owner and waits until it is dismissed; metrics are the system's at the
// owner's DPI (without them, the box is as the system sizes it). A box narrower than the title
// needs is widened about its centre (within the work area of its monitor) before it shows, its
// buttons kept in its middle.
void ShowMessageBox(HWND owner, std::u16string_view message, std::u16string_view title,
                    const std::optional<NONCLIENTMETRICSW>& metrics);

}  // namespace ui::win32
