// How the window's scale is found, the same on every front end: the smallest scale, never below
// 1, at which every text fits its control in the desktop's font. Each front end measures its
// controls as the toolkit draws them; this decides what fits and which scales to try.
#pragma once

#include "fitted_texts.h"

#include <functional>
#include <span>
#include <string_view>

namespace ui {

// A size in the front end's pixels.
struct PixelSize {
    int width, height;
};

// What a front end measures of a control, as the window is laid out now.
class TextMeasure {
public:
    // The control's outer size.
    virtual PixelSize Box(Control control) const = 0;
    // The room it leaves for text: a label's whole box, a button's face inside its bevel, a
    // field's text line inside its frame and margins.
    virtual PixelSize Room(Control control) const = 0;
    // The text's advance in the control's font, and the font's height.
    virtual PixelSize Extent(Control control, std::u16string_view text) const = 0;

protected:
    ~TextMeasure() = default;
};

// The smallest scale, never below 1, at which every text fits the room its control leaves, with a
// pixel to spare at the right and at the bottom so that no glyph touches the edge. layOut places
// the window at a scale; it is called for each scale tried, and the window is left at the one
// returned.
double SmallestFittingScale(std::span<const TextToFit> texts, const TextMeasure& measure,
                            const std::function<void(double)>& layOut);

// The search itself. layOut places the window at a scale; everyTextFits says whether every text
// fits as the window is laid out now; neededAtOne is, measured at scale 1, the scale at which the
// texts would just fit if frames and margins kept their size. Scale 1 is tried first; then that
// need, since frames and margins stay the same while the boxes grow; then a little more at a
// time, as whole pixels may ask for, up to a limit. The window is left at the scale returned.
double SmallestFittingScale(const std::function<void(double)>& layOut, const std::function<bool()>& everyTextFits,
                            const std::function<double()>& neededAtOne);

}  // namespace ui
