// What assistive tools see of the window: its children as the user sees them.
#pragma once

namespace ui::qt {

// Makes assistive tools list only the window's shown controls: the coordinate fields, which are
// never shown, stay out of the accessible tree. Pictures are told as their role says: an image, or
// a button that an assistive tool can press. Safe to call more than once.
void InstallWindowAccessibility();

}  // namespace ui::qt
