// How much larger than its design the window is laid out, so that every caption fits its box in
// the desktop's font. Desktops of the window's own era grew their layout unit when the user chose
// larger fonts; this does the same, with one factor for the whole window.
#pragma once

#include <QString>

#include <functional>
#include <span>

class QWidget;

namespace ui::qt {

// A text that a control must be able to show whole: a caption in either language, or a text that
// the window writes into (or the user types into) a field.
struct TextToFit {
    const QWidget* control;
    QString text;
};

// The smallest scale, never below 1, at which every text fits its control: fits the room the
// control leaves for text (a label's whole box, a button's face inside its bevel, a field's text
// line inside its frame and margins) in the control's font, with a pixel to spare at the right
// and at the bottom so that no glyph touches the edge. layOut places the
// window at a scale; it is called for each scale tried, and the window is left at the one returned.
// The first try is the need measured at scale 1, since frames and margins stay the same size while
// the boxes grow; rounding to whole pixels can then ask for a little more.
qreal SmallestFittingScale(std::span<const TextToFit> texts, const std::function<void(qreal)>& layOut);

}  // namespace ui::qt
