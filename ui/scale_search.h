// How the window's scale is found, the same on every front end: the smallest scale, never below
// 1, at which every text fits its control in the desktop's font. Each front end measures; this
// decides which scales to try.
#pragma once

#include <functional>

namespace ui {

// layOut places the window at a scale; everyTextFits says whether every text fits as the window
// is laid out now; neededAtOne is, measured at scale 1, the scale at which the texts would just
// fit if frames and margins kept their size. Scale 1 is tried first; then that need, since frames
// and margins stay the same while the boxes grow; then a little more at a time, as whole pixels
// may ask for, up to a limit. The window is left at the scale returned.
double SmallestFittingScale(const std::function<void(double)>& layOut, const std::function<bool()>& everyTextFits,
                            const std::function<double()>& neededAtOne);

}  // namespace ui
