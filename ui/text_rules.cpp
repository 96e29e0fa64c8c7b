#include "text_rules.h"

namespace ui {
namespace {

constexpr char32_t kLastLatin1Code = 0xFF;

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// The number of UTF-16 units of the character that starts at index.
std::size_t UnitsOfCharacterAt(std::u16string_view text, std::size_t index) {
    return IsHighSurrogate(text[index]) && index + 1 < text.size() && IsLowSurrogate(text[index + 1]) ? 2 : 1;
}

}  // namespace

std::size_t CharacterCount(std::u16string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); i += UnitsOfCharacterAt(text, i)) ++count;
    return count;
}

std::size_t Utf16Offset(std::u16string_view text, std::size_t characters) {
    std::size_t offset = 0;
    for (; characters > 0 && offset < text.size(); --characters) offset += UnitsOfCharacterAt(text, offset);
    return offset;
}

std::string ToLatin1(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); i += UnitsOfCharacterAt(text, i)) {
        const char16_t unit = text[i];
        bytes.push_back(unit <= kLastLatin1Code ? static_cast<char>(unit) : '?');
    }
    return bytes;
}

std::u16string FromLatin1(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (const char byte : bytes) text.push_back(static_cast<unsigned char>(byte));
    return text;
}

std::u16string UpperCaseAscii(std::u16string text) {
    for (char16_t& c : text) {
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    }
    return text;
}

}  // namespace ui
