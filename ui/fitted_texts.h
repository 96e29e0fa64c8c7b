// The texts each control must be able to show whole, for fitting the window's scale to the
// desktop's font: every caption in both languages, the unit words, and the longest texts the
// window writes into its fields or a locator may hold.
#pragma once

#include "control_table.h"

#include <string>
#include <vector>

namespace ui {

// A text that a control must be able to show whole.
struct TextToFit {
    Control control;
    std::u16string text;
};

std::vector<TextToFit> TextsToFit();

}  // namespace ui
