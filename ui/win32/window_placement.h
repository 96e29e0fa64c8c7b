// Where the window opens: centred on the work area (the screen less the taskbar), yet never with
// its title bar out of reach. A window larger than the work area (a large system font on a small
// screen) is placed at the work area's top left instead, where its title bar and system menu can
// be taken by the mouse and the window moved; the rest of it reaches past the work area's right
// and bottom edges.
#pragma once

#include <windows.h>

namespace ui::win32 {

// The top-left corner of a frame of the size on the work area.
POINT FramePositionOn(const RECT& workArea, SIZE frame);

}  // namespace ui::win32
