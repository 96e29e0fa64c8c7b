// The window's captions in its two languages, as data.
#pragma once

#include <span>

namespace ui {

enum class Language { Italian, English };

struct CaptionRow {
    const char* control;  // objectName of the button or label
    const char* italian;
    const char* english;
};

// The captions that a flag click rewrites, in the order it rewrites them. The unit caption of
// the distance is not here: it holds the unit state and is translated by its own rule.
std::span<const CaptionRow> CaptionTable();

const char* Caption(const CaptionRow& row, Language language);

// Names that assistive tools read for the pictures, which have no caption. The fields are named
// by their labels, and the buttons by their captions.
std::span<const CaptionRow> AccessibleNameTable();

// The unit caption meaning kilometres, the same in both languages.
constexpr const char* kKilometresCaption = "Km";
// The unit caption meaning miles.
const char* MilesCaption(Language language);

// The language tag the window keeps: "ita" or "eng".
const char* LanguageTagOf(Language language);

}  // namespace ui
