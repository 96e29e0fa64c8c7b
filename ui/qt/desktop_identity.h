// How the program names itself to the desktop, so that docks, task switchers and Wayland
// compositors tie its window to its desktop entry, launcher and icon.
#pragma once

namespace ui::qt {

// Sets the application's name (on X11 the class part of the window's WM_CLASS, which the desktop
// entry's StartupWMClass matches), its version, and the desktop entry's base name (on Wayland the
// window's app id). Called before the application object is made.
void IdentifyToDesktop();

}  // namespace ui::qt
