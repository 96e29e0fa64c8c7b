// How much larger than its design the window is laid out, so that every caption fits its box in
// the desktop's font. Desktops of the window's own era grew their layout unit when the user chose
// larger fonts; this does the same, with one factor for the whole window, by the fitting rule of
// ui/scale_search.h over what Qt measures of its widgets.
#pragma once

#include "ui/scale_search.h"

#include <functional>

class QWidget;

namespace ui::qt {

// Each control's widget measured in its own font and style: the room a label's contents leave,
// a button's face inside its bevel, a field's text line inside its frame and margins.
class WidgetMeasure final : public ui::TextMeasure {
public:
    explicit WidgetMeasure(std::function<const QWidget*(Control)> widget) : widget_(std::move(widget)) {}

    PixelSize Box(Control control) const override;
    PixelSize Room(Control control) const override;
    PixelSize Extent(Control control, std::u16string_view text) const override;

private:
    std::function<const QWidget*(Control)> widget_;
};

}  // namespace ui::qt
