// The window's private messages, and how its controls tell it that they took the focus.
#pragma once

#include <windows.h>

namespace ui::win32 {

// Posted to the window when one of its controls has taken the focus, so that the default-button
// look follows the focus once Windows's own tidying after a Tab is done. Kept in the WM_APP range:
// WM_USER and WM_USER + 1 are DM_GETDEFID and DM_SETDEFID, which IsDialogMessage sends.
constexpr UINT kFocusMoved = WM_APP + 1;

inline void ReportFocus(HWND control) { PostMessageW(GetParent(control), kFocusMoved, 0, 0); }

}  // namespace ui::win32
