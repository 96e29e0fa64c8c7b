#include "geometry/locator.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

namespace {

using geometry::CheckLocators;
using geometry::DecodeLocator;
using geometry::IsSubsquare;

struct CheckCase {
    const char* name;
    std::string first, second;
    std::string workingFirst, workingSecond;
    bool firstTooLong, badInput;
};

void PrintTo(const CheckCase& c, std::ostream* os) { *os << '"' << c.first << "\" / \"" << c.second << '"'; }

class CheckLocatorsTable : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckLocatorsTable, WorkingTextsAndVerdict) {
    const CheckCase& c = GetParam();
    const geometry::LocatorCheck check = CheckLocators(c.first, c.second);
    EXPECT_EQ(check.First, c.workingFirst);
    EXPECT_EQ(check.Second, c.workingSecond);
    EXPECT_EQ(check.FirstTooLong, c.firstTooLong);
    EXPECT_EQ(check.BadInput, c.badInput);
}

INSTANTIATE_TEST_SUITE_P(
    Padding, CheckLocatorsTable,
    testing::Values(
        CheckCase{"LowerCaseUpperCased", "fn31pr", "io91wm", "FN31PR", "IO91WM", false, false},
        CheckCase{"AAndZUpperCased", "jn61fz", "aa00aa", "JN61FZ", "AA00AA", false, true},
        CheckCase{"SquareTakenAsLL", "FN31", "IO91WM", "FN31LL", "IO91WM", false, false},
        CheckCase{"BothSquaresPaddedTwice", "FN31", "IO91", "FN31LLLL", "IO91LLLL", false, false},
        CheckCase{"SecondSquareOnly", "IO91WM", "fn31", "IO91WM", "FN31LL", false, false},
        CheckCase{"ThreeCharsPaddedToFive", "FN3", "IO91WM", "FN3LL", "IO91WM", false, true},
        CheckCase{"ThreeCharsPaddedTwice", "FN3", "IO91", "FN3LLLL", "IO91LLLL", false, true},
        CheckCase{"FiveCharsNotPadded", "FN31P", "IO91WM", "FN31P", "IO91WM", false, true},
        CheckCase{"TwoChars", "FN", "IO91WM", "FNLL", "IO91WM", false, true},
        CheckCase{"OneChar", "F", "IO91WM", "FLL", "IO91WM", false, true},
        CheckCase{"EmptyNotPadded", "", "IO91", "", "IO91LL", false, true},
        CheckCase{"SecondThreeCharsPaddedToFive", "FN31PR", "IO9", "FN31PR", "IO9LL", false, true},
        CheckCase{"SecondFiveCharsNotPadded", "FN31PR", "IO91W", "FN31PR", "IO91W", false, true},
        // The bytes either side of "a" and "z" are not letters and stay as they are.
        CheckCase{"OnlyAToZUpperCased", "fn31`{", "@a00a[", "FN31`{", "@A00A[", false, true}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Validation, CheckLocatorsTable,
    testing::Values(
        CheckCase{"FirstTooLong", "FN31PRX", "IO91WM", "FN31PRX", "IO91WM", true, true},
        CheckCase{"SecondTooLongNoMessage", "FN31PR", "IO91WMX", "FN31PR", "IO91WMX", false, true},
        CheckCase{"LetterInThirdPlace", "FNA1PR", "IO91WM", "FNA1PR", "IO91WM", false, true},
        CheckCase{"BlankInThirdPlace", "FN 1PR", "IO91WM", "FN 1PR", "IO91WM", false, true},
        CheckCase{"SlashInThirdPlace", "FN/1PR", "IO91WM", "FN/1PR", "IO91WM", false, true},
        CheckCase{"DigitsForField", "9931ZZ", "IO91WM", "9931ZZ", "IO91WM", false, true},
        CheckCase{"PunctuationInSquare", "FN3!PR", "IO91WM", "FN3!PR", "IO91WM", false, true},
        CheckCase{"FieldBeyondR", "SN31PR", "IO91WM", "SN31PR", "IO91WM", false, true},
        CheckCase{"SubsquareBeyondX", "FN31PY", "IO91WM", "FN31PY", "IO91WM", false, true},
        CheckCase{"LettersPastEverything", "IO91WM", "ZZ99ZZ", "IO91WM", "ZZ99ZZ", false, true},
        CheckCase{"LeadingBlankCounts", " FN31P", "IO91WM", " FN31P", "IO91WM", false, true},
        CheckCase{"TrailingBlankTooLong", "FN31PR ", "IO91WM", "FN31PR ", "IO91WM", true, true},
        CheckCase{"BothEmpty", "", "", "", "", false, true},
        CheckCase{"SecondEmpty", "FN31PR", "", "FN31PR", "", false, true},
        CheckCase{"FirstEmpty", "", "IO91WM", "", "IO91WM", false, true},
        CheckCase{"CornersAccepted", "AA00AA", "RR99XX", "AA00AA", "RR99XX", false, false},
        // Latin-1 letters are not upper-cased and are not locator letters.
        CheckCase{"Latin1NotUpperCased", "fn31p\xe9", "IO91WM", "FN31P\xe9", "IO91WM", false, true}),
    [](const auto& info) { return std::string(info.param.name); });

// Each of the six positions, in either locator, typed in full or (the first four) as a square,
// against every byte: only the characters of that position's set are accepted, lower-case letters
// once upper-cased. IsSubsquare itself upper-cases nothing and looks at the first six characters
// only, however long the text.
struct PositionCase {
    const char* name;
    std::size_t index;
    std::string_view accepted;  // upper-case characters accepted at that position
};

void PrintTo(const PositionCase& c, std::ostream* os) { *os << c.name; }

class EveryPosition : public testing::TestWithParam<PositionCase> {};

TEST_P(EveryPosition, AcceptsOnlyItsOwnCharacters) {
    const PositionCase& c = GetParam();
    const std::string valid = "JN61FV", other = "IO91WM";
    for (int code = 0; code < 256; ++code) {
        const char typed = static_cast<char>(code);
        const char upper = code >= 'a' && code <= 'z' ? static_cast<char>(code - 'a' + 'A') : typed;
        const bool accepted = c.accepted.find(upper) != std::string_view::npos;
        std::string text = valid;
        text[c.index] = typed;
        EXPECT_EQ(CheckLocators(text, other).BadInput, !accepted) << "first, code " << code;
        EXPECT_EQ(CheckLocators(other, text).BadInput, !accepted) << "second, code " << code;
        if (c.index < 4) {
            const std::string square = text.substr(0, 4);
            EXPECT_EQ(CheckLocators(square, other).BadInput, !accepted) << "first square, code " << code;
            EXPECT_EQ(CheckLocators(other, square).BadInput, !accepted) << "second square, code " << code;
            EXPECT_EQ(CheckLocators(square, square).BadInput, !accepted) << "both squares, code " << code;
        }
        const bool subsquare = c.accepted.find(typed) != std::string_view::npos;
        EXPECT_EQ(IsSubsquare(text), subsquare) << "code " << code;
        EXPECT_EQ(IsSubsquare(text + "LL"), subsquare) << "eight characters, code " << code;
    }
}

constexpr std::string_view kFieldLetters = "ABCDEFGHIJKLMNOPQR";
constexpr std::string_view kDigits = "0123456789";
constexpr std::string_view kSubsquareLetters = "ABCDEFGHIJKLMNOPQRSTUVWX";

INSTANTIATE_TEST_SUITE_P(
    Positions, EveryPosition,
    testing::Values(PositionCase{"FieldLongitude", 0, kFieldLetters}, PositionCase{"FieldLatitude", 1, kFieldLetters},
                    PositionCase{"SquareLongitude", 2, kDigits}, PositionCase{"SquareLatitude", 3, kDigits},
                    PositionCase{"SubsquareLongitude", 4, kSubsquareLetters},
                    PositionCase{"SubsquareLatitude", 5, kSubsquareLetters}),
    [](const auto& info) { return std::string(info.param.name); });

// IsSubsquare on its own, at the edges of its length: its callers judge the length themselves, so
// only a direct call shows what it does with texts shorter or longer than six characters.
struct SubsquareCase {
    const char* name;
    std::string_view text;
    bool subsquare;
};

void PrintTo(const SubsquareCase& c, std::ostream* os) { *os << c.name; }

class IsSubsquareTable : public testing::TestWithParam<SubsquareCase> {};

TEST_P(IsSubsquareTable, FirstSixCharacters) {
    EXPECT_EQ(IsSubsquare(GetParam().text), GetParam().subsquare);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, IsSubsquareTable,
    testing::Values(SubsquareCase{"SixCharacters", "FN31PR", true},
                    SubsquareCase{"SevenCharacters", "FN31PRX", true},
                    SubsquareCase{"PaddedTwice", "FN31LLLL", true},
                    SubsquareCase{"AnythingAfterTheSixth", std::string_view("JN61FV\0\xff?", 9), true},
                    SubsquareCase{"BadSixthInALongerText", "FN31PYLL", false},
                    SubsquareCase{"BadFirstInALongerText", "SN31PRLL", false},
                    SubsquareCase{"FiveCharacters", "FN31P", false},
                    SubsquareCase{"Empty", "", false},
                    // Only the view counts, not the characters that happen to follow it in memory.
                    SubsquareCase{"ViewEndsAtTheFifth", std::string_view("FN31PR", 5), false},
                    SubsquareCase{"LowerCaseIsNotUpperCased", "fn31pr", false}),
    [](const auto& info) { return std::string(info.param.name); });

struct DecodeCase {
    const char* name;
    std::string text;
    double latitude, longitude;
};

void PrintTo(const DecodeCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class DecodeLocatorTable : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeLocatorTable, CentreOfSubsquareToTheBit) {
    const DecodeCase& c = GetParam();
    const geometry::GeoPosition p = DecodeLocator(c.text);
    EXPECT_EQ(p.Latitude, c.latitude);
    EXPECT_EQ(p.Longitude, c.longitude);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, DecodeLocatorTable,
    testing::Values(
        DecodeCase{"SouthWestCorner", "AA00AA", -90 + 1.0 / 48, -180 + 1.0 / 24},
        DecodeCase{"NorthEastCorner", "RR99XX", 90 - 1.0 / 48, 180 - 1.0 / 24},
        DecodeCase{"London", "IO91WM", 51 + 25.0 / 48, -0.125},
        DecodeCase{"NewEngland", "FN31PR", 41 + 35.0 / 48, -72 - 17.0 / 24},
        DecodeCase{"PaddedSquare", "FN31LL", 41 + 23.0 / 48, -73 - 1.0 / 24},
        DecodeCase{"CharactersAfterSixthIgnored", "FN31LLLL", 41 + 23.0 / 48, -73 - 1.0 / 24},
        DecodeCase{"EquatorSquare", "JJ00LL", 23.0 / 48, 23.0 / 24},
        DecodeCase{"SixthMissing", "FN31P", 38.3125, -72 - 17.0 / 24},
        DecodeCase{"FifthAndSixthMissing", "FN3LL", 65.3125, -73 - 1.0 / 24},
        DecodeCase{"BeyondTheGrid", "ZZ99ZZ", 170.0625, 340.125},
        DecodeCase{"Empty", "", -790.6875, -1581.375},
        DecodeCase{"Rome", "JN61FV", 41.895833333333336, 12.458333333333334},
        DecodeCase{"Milan", "JN45LL", 45.479166666666664, 8.958333333333334},
        DecodeCase{"HighByteIsUnsigned", "\xff" "A00AA", -90 + 1.0 / 48, 3620 + 1.0 / 24},
        DecodeCase{"HighBytesInSubsquare", "JN61\xff\x80", 41 + 63.5 / 24, 12 + 190.5 / 12},
        // Found by search: the subsquare term, rounded once and then added to the whole degrees
        // (-2 + 11.5 / 24 and -4 + 11.5 / 12), ends in another last bit if it is multiplied by
        // 1 / 24, split into code / 24 - 64.5 / 24, or added to the square digit first.
        DecodeCase{"SubsquareTermRoundedOnceAddedLast", "II88LL", -1.5208333333333333, -3.0416666666666665}),
    [](const auto& info) { return std::string(info.param.name); });

// Every subsquare decodes to a point strictly inside the square it names.
TEST(DecodeLocator, EverySubsquareLiesInsideItsSquare) {
    std::string text = "AA00AA";
    for (char f1 = 'A'; f1 <= 'R'; ++f1)
        for (char f2 = 'A'; f2 <= 'R'; ++f2)
            for (char s1 = '0'; s1 <= '9'; ++s1)
                for (char s2 = '0'; s2 <= '9'; ++s2)
                    for (char u : {'A', 'L', 'X'}) {
                        text = {f1, f2, s1, s2, u, u};
                        const auto p = DecodeLocator(text);
                        const double west = -180 + (f1 - 'A') * 20 + (s1 - '0') * 2;
                        const double south = -90 + (f2 - 'A') * 10 + (s2 - '0');
                        ASSERT_GT(p.Longitude, west) << text;
                        ASSERT_LT(p.Longitude, west + 2) << text;
                        ASSERT_GT(p.Latitude, south) << text;
                        ASSERT_LT(p.Latitude, south + 1) << text;
                    }
}

}  // namespace
