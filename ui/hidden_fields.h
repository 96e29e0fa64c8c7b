// The coordinate fields that the window never shows (Text2, Text4, Text7, Text8): no front end
// makes a control for them, so the logic holds their texts, for the handlers to write and a
// caller to read like any other field's. Writing one raises nothing.
#pragma once

#include "control_table.h"

#include <array>
#include <string>
#include <string_view>

namespace ui {

class HiddenFields {
public:
    // Each field with its initial text from the control table.
    HiddenFields();

    // Whether the field is one of them.
    static bool Holds(Control field) { return !IsShown(RowOf(field)); }

    const std::u16string& Text(Control field) const { return texts_[static_cast<std::size_t>(field)]; }
    void SetText(Control field, std::u16string_view text) { texts_[static_cast<std::size_t>(field)] = text; }

private:
    std::array<std::u16string, kControlCount> texts_;  // by control; only hidden ones used
};

}  // namespace ui
