// What assistive tools see of the window: its children as the user sees them.
#pragma once

namespace ui::qt {

// Makes assistive tools list only the window's shown controls: the coordinate fields, which are
// never shown, stay out of the accessible tree, and the changes of their texts go unreported.
// Pictures are told as their role says: an image, or a button that an assistive tool can press.
// Safe to call more than once; each call puts the hidden fields' filter in front of whatever
// update handler was installed meanwhile.
void InstallWindowAccessibility();

}  // namespace ui::qt
