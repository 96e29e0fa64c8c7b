// Start-up check: is there a display to show the window on?
#pragma once

namespace ui::qt {

// True when Qt has a display to connect to: an X11 or Wayland session (DISPLAY or
// WAYLAND_DISPLAY), or a platform chosen by QT_QPA_PLATFORM or by -platform on the command line,
// whose own checks then apply.
bool DisplayAvailable(int argc, char** argv);

// The one line the program prints when there is none.
extern const char* const kNoDisplayMessage;

}  // namespace ui::qt
