// The text rules at their edges: characters against UTF-16 units, Latin-1 both ways, upper case.
#include "ui/text_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A grinning face: one character, two UTF-16 units.
const std::u16string kEmoji = u"\U0001F600";

TEST(TextRules, CharactersNotUtf16Units) {
    const struct {
        std::u16string text;
        std::size_t characters;
    } rows[] = {{u"", 0},           {u"JN61FV", 6},          {kEmoji, 1},
                {u"IO91W" + kEmoji, 6}, {kEmoji + kEmoji, 2},  {std::u16string(1, u'\xD83D'), 1},  // unpaired
                {u"\xDE00" u"A", 2}};  // a low surrogate alone, then a letter
    for (const auto& row : rows) EXPECT_EQ(ui::CharacterCount(row.text), row.characters) << row.text.size();
}

TEST(TextRules, Utf16OffsetOfACharacter) {
    const std::u16string text = u"A" + kEmoji + u"B";
    EXPECT_EQ(ui::Utf16Offset(text, 0), 0u);
    EXPECT_EQ(ui::Utf16Offset(text, 1), 1u);
    EXPECT_EQ(ui::Utf16Offset(text, 2), 3u);
    EXPECT_EQ(ui::Utf16Offset(text, 3), 4u);
    EXPECT_EQ(ui::Utf16Offset(text, 9), 4u) << "past the end: the text's size";
}

TEST(TextRules, Latin1OneBytePerCharacter) {
    EXPECT_EQ(ui::ToLatin1(u"JN61FV"), "JN61FV");
    EXPECT_EQ(ui::ToLatin1(u"\u00C9\u00FF"), "\xC9\xFF");
    EXPECT_EQ(ui::ToLatin1(u"\u0100\u20AC"), "??") << "no Latin-1 code";
    EXPECT_EQ(ui::ToLatin1(u"JN4" + kEmoji + u"LL"), "JN4?LL") << "one character, one byte";
    EXPECT_EQ(ui::ToLatin1(std::u16string(1, u'\xD83D')), "?");
    EXPECT_EQ(ui::FromLatin1("-12.4583333333333"), u"-12.4583333333333");
    EXPECT_EQ(ui::FromLatin1("\xC9\xFF"), u"\u00C9\u00FF") << "bytes above 127 are not negative";
}

TEST(TextRules, OnlyAsciiLettersAreUpperCased) {
    EXPECT_EQ(ui::UpperCaseAscii(u"az io 9/1.AZ"), u"AZ IO 9/1.AZ");
    EXPECT_EQ(ui::UpperCaseAscii(u"`{\u00E9\u00FF"), u"`{\u00E9\u00FF") << "the neighbours of a and z, and Latin-1";
}

}  // namespace
