// The window's texts and the rules it applies to them. Texts are UTF-16, as both toolkits hold
// them; lengths count characters as the user sees them (code points), not UTF-16 units: an emoji
// is one character. The geometry reads one byte per character, in Latin-1.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ui {

// Characters, not UTF-16 units; an unpaired surrogate counts as one character.
std::size_t CharacterCount(std::u16string_view text);

// The UTF-16 offset of the character at index characters (the text's size past its end).
std::size_t Utf16Offset(std::u16string_view text, std::size_t characters);

// One byte per character: its Latin-1 code, or "?" for a character that has none.
std::string ToLatin1(std::u16string_view text);

std::u16string FromLatin1(std::string_view bytes);

// Only "a" to "z" change: locators are plain ASCII, and the fields keep every other character.
std::u16string UpperCaseAscii(std::u16string text);

}  // namespace ui
