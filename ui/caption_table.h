// The window's captions in its two languages, and the names assistive tools read, as data.
#pragma once

#include "control_table.h"

#include <span>
#include <string_view>

namespace ui {

enum class Language { Italian, English };

struct CaptionRow {
    Control control;
    std::u16string_view italian;
    std::u16string_view english;
};

// The captions that a flag click rewrites, in the order it rewrites them. The unit caption of
// the distance is not here: it holds the unit state and is translated by its own rule.
std::span<const CaptionRow> CaptionTable();

std::u16string_view Caption(const CaptionRow& row, Language language);

// What assistive tools are told a picture is.
enum class PictureRole {
    Image,           // a picture to look at, with nothing to press
    Button,          // pressing it does something
    LanguageChoice,  // one of a set of choices, checked while its language is the caption language
};

struct PictureNameRow {
    Control picture;
    PictureRole role;
    std::u16string_view italian;
    std::u16string_view english;
    Language chooses = Language::Italian;  // for a language choice: the language it chooses
};

// Names and roles of the pictures, which have no caption. The fields are named by their labels,
// and the buttons by their captions.
std::span<const PictureNameRow> PictureNameTable();

std::u16string_view Name(const PictureNameRow& row, Language language);

// Whether the picture shows as checked while the captions are in the language: the flag of that
// language, and nothing else.
bool Checked(const PictureNameRow& row, Language language);

// The unit caption meaning kilometres, the same in both languages.
constexpr std::u16string_view kKilometresCaption = u"Km";
// The unit caption meaning miles.
std::u16string_view MilesCaption(Language language);

// The language tag the window keeps: "ita" or "eng".
std::u16string_view LanguageTagOf(Language language);

}  // namespace ui
