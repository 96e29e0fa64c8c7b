// What assistive tools see of the window's pictures: an image, or a button that an assistive tool
// can press; a flag also tells whether it is the chosen one.
#pragma once

namespace ui::qt {

// Installs the pictures' accessible interfaces; safe to call more than once.
void InstallPictureAccessibility();

}  // namespace ui::qt
