#include "field_input.h"

#include "text_rules.h"

namespace ui {

std::u16string_view FirstLine(std::u16string_view text) { return text.substr(0, text.find_first_of(u"\r\n")); }

bool SelectsTextOnClick(std::u16string_view text) { return text == kPlaceholderText; }

std::u16string AcceptedInput(Control field, std::u16string_view input) {
    std::u16string accepted(FirstLine(input));
    if (IsLocatorField(field)) accepted = UpperCaseAscii(std::move(accepted));
    return accepted;
}

}  // namespace ui
