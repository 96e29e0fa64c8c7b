#include "geometry/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

using geometry::FormatGeneralNumber;
using geometry::FormatSignedNumber;
using geometry::FormatWholeNumber;
using geometry::ReadLeadingNumber;

struct FormatCase {
    double value;
    const char* text;
};

TEST(FormatGeneralNumber, FifteenSignificantDigitsFixedNotation) {
    const FormatCase cases[] = {
        {41.895833333333336, "41.8958333333333"},
        {-12.458333333333334, "-12.4583333333333"},
        {45.479166666666664, "45.4791666666667"},
        {-8.958333333333334, "-8.95833333333333"},
        {0.020833333333333332, "0.0208333333333333"},
        {0.125, "0.125"},
        {1581.375, "1581.375"},
        {-790.6875, "-790.6875"},
        {72.70833333333333, "72.7083333333333"},
        {180, "180"},
        {487, "487"},
        {0, "0"},
        {-0.0, "0"},
        {0.1 + 0.2, "0.3"},  // 0.30000000000000004 rounds away at 15 digits
        {999999999999999.9, "1000000000000000"},
        {1.5e20, "150000000000000000000"},
        {1.234e-5, "0.00001234"},
        {-179.95833333333334, "-179.958333333333"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatGeneralNumber(c.value), c.text) << c.value;
}

// Qt applications take the user's locale for the C library; a comma locale must not leak in. The
// Italian locale is built for this test where the machine has none. Windows has its locales built
// in, under names of their own.
TEST(FormatGeneralNumber, PeriodWhateverTheLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
#ifdef _WIN32
    ASSERT_NE(std::setlocale(LC_ALL, "Italian_Italy.1252"), nullptr) << "the C runtime knows no Italian locale";
#else
    if (!std::setlocale(LC_ALL, "it_IT.UTF-8")) {
        char directory[] = "/tmp/tarvolin-locale-XXXXXX";
        ASSERT_NE(mkdtemp(directory), nullptr);
        const std::string build = std::string("localedef -i it_IT -f UTF-8 ") + directory + "/it_IT.UTF-8 2>/dev/null";
        ASSERT_EQ(std::system(build.c_str()), 0) << "localedef (Debian package locales) could not build it_IT";
        setenv("LOCPATH", directory, 1);
        const bool built = std::setlocale(LC_ALL, "it_IT.UTF-8") != nullptr;  // read into memory now
        unsetenv("LOCPATH");
        std::filesystem::remove_all(directory);
        ASSERT_TRUE(built);
    }
#endif
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(FormatGeneralNumber(41.895833333333336), "41.8958333333333");
    EXPECT_EQ(ReadLeadingNumber("12.5"), 12.5);
    EXPECT_EQ(ReadLeadingNumber("1,5"), 1.0);
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(FormatSignedNumber, BlankWhereTheSignWouldStand) {
    const FormatCase cases[] = {{326, " 326"}, {0, " 0"}, {-0.0, " 0"}, {19970, " 19970"}, {360, " 360"}, {-5, "-5"}};
    for (const auto& c : cases) EXPECT_EQ(FormatSignedNumber(c.value), c.text) << c.value;
}

TEST(FormatWholeNumber, PlainDigits) {
    const FormatCase cases[] = {{302, "302"}, {-63, "-63"}, {0, "0"}, {-0.0, "0"},
                                {1e15, "1000000000000000"}, {-123456789012345678.0, "-123456789012345680"}};
    for (const auto& c : cases) EXPECT_EQ(FormatWholeNumber(c.value), c.text) << c.value;
    // Every digit of the largest double, so that reading the text back gives the same value.
    const std::string largest = FormatWholeNumber(1.7976931348623157e308);
    EXPECT_EQ(largest.size(), 309u);
    EXPECT_EQ(ReadLeadingNumber(largest), 1.7976931348623157e308);
    const std::string lowest = FormatWholeNumber(-1.7976931348623157e308);
    EXPECT_EQ(lowest.size(), 310u);
    EXPECT_EQ(ReadLeadingNumber(lowest), -1.7976931348623157e308);
}

// Doubles across the whole range, subnormals and the largest finite values included, either sign.
// The shortest text that names a double reads back as that double; the 15-digit text has the value
// of the double rounded to 15 significant digits, as the C library writes and reads it, and no
// exponent; a whole number's digits read back exactly.
TEST(NumberText, WholeDoubleRange) {
    std::vector<double> values = {std::numeric_limits<double>::denorm_min(), 1e-320,
                                  std::nextafter(std::numeric_limits<double>::min(), 0.0),
                                  std::numeric_limits<double>::min(), 1, 487,
                                  std::nextafter(std::numeric_limits<double>::max(), 0.0),
                                  std::numeric_limits<double>::max()};
    std::mt19937_64 rng(17);
    std::uniform_int_distribution<std::uint64_t> exponent(0, 2046), mantissa(0, (std::uint64_t{1} << 52) - 1);
    for (int i = 0; i < 2000; ++i) {
        // One in four subnormal: a uniform exponent field would give almost none.
        const std::uint64_t field = i % 4 == 0 ? 0 : exponent(rng);
        values.push_back(std::bit_cast<double>(field << 52 | mantissa(rng)));
    }
    for (const double magnitude : values) {
        for (const double x : {magnitude, -magnitude}) {
            char shortest[32] = {};
            std::to_chars(shortest, shortest + sizeof shortest - 1, x);
            EXPECT_EQ(ReadLeadingNumber(shortest), x) << shortest;

            char rounded[32];
            std::snprintf(rounded, sizeof rounded, "%.14e", x);
            const std::string general = FormatGeneralNumber(x);
            ASSERT_EQ(general.find_first_not_of("-0123456789."), std::string::npos) << general;
            // Near the largest double the 15-digit value lies beyond it: no value, as for any overflow.
            const double value = std::strtod(rounded, nullptr);
            const std::optional<double> expected = std::isinf(value) ? std::nullopt : std::optional(value);
            EXPECT_EQ(ReadLeadingNumber(general), expected) << shortest << ": " << general;

            const double whole = std::floor(x);
            EXPECT_EQ(ReadLeadingNumber(FormatWholeNumber(whole)), whole) << shortest;
        }
    }
}

struct ReadCase {
    const char* name;
    std::string text;
    std::optional<double> value;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class ReadLeadingNumberTable : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadLeadingNumberTable, Value) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(ReadLeadingNumber(c.text), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Rule, ReadLeadingNumberTable,
    testing::Values(
        ReadCase{"Plain", "487", 487.0},
        ReadCase{"LeadingBlank", " 487", 487.0},
        ReadCase{"BlanksAnywhere", " 4 8\t7\n", 487.0},
        ReadCase{"LeadingLineFeed", "\n100", 100.0},
        ReadCase{"LeadingTab", "\t 100", 100.0},
        ReadCase{"BlankAfterSign", "- 12", -12.0},
        ReadCase{"PlusSign", "+12", 12.0},
        ReadCase{"Negative", "-100", -100.0},
        ReadCase{"Fraction", "12.9", 12.9},
        ReadCase{"LeadingPoint", ".5", 0.5},
        ReadCase{"SecondPointStops", "1.2.3", 1.2},
        ReadCase{"CommaStops", "1,5", 1.0},
        ReadCase{"ExponentE", "1.5E3", 1500.0},
        ReadCase{"ExponentLowerD", "25d-1", 2.5},
        ReadCase{"ExponentSignedBlanks", "2 e + 2", 200.0},
        ReadCase{"ExponentWithoutDigits", "7E", 7.0},
        ReadCase{"ExponentSignWithoutDigits", "7E+x", 7.0},
        ReadCase{"TrailingText", "302 Miglia", 302.0},
        ReadCase{"Question marks", "??????", 0.0},
        ReadCase{"Dots", "...", 0.0},
        ReadCase{"Empty", "", 0.0},
        ReadCase{"Letters", "abc", 0.0},
        ReadCase{"SignAlone", "-", 0.0},
        ReadCase{"ExponentAlone", "E5", 0.0},
        ReadCase{"LeadingZeros", "000123.4500", 123.45},
        ReadCase{"ManyDigitsRoundCorrectly", "0.1000000000000000055511151231257827", 0.1},
        ReadCase{"HugeButFinite", "1.7976931348623157e308", 1.7976931348623157e308},
        ReadCase{"Overflow", "1e400", std::nullopt},
        ReadCase{"OverflowByDigits", std::string(400, '9'), std::nullopt},
        ReadCase{"NegativeOverflow", "-1e309", std::nullopt},
        ReadCase{"Underflow", "1e-400", 0.0},
        // The bottom and the top of the double range: subnormals are numbers, not 0.
        ReadCase{"Subnormal", "1e-320", 1e-320},
        ReadCase{"NegativeSubnormal", "-1e-320", -1e-320},
        ReadCase{"SubnormalInFull", "0." + std::string(319, '0') + "1", 1e-320},
        ReadCase{"SmallestSubnormal", "4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
        ReadCase{"BelowHalfTheSmallestIsZero", "2.4703282292062327e-324", 0.0},
        ReadCase{"AboveHalfTheSmallestRoundsUp", "2.4703282292062328e-324", std::numeric_limits<double>::denorm_min()},
        ReadCase{"LargestSubnormal", "2.225073858507201e-308", 2.225073858507201e-308},
        ReadCase{"SmallestNormal", "2.2250738585072014e-308", std::numeric_limits<double>::min()},
        ReadCase{"LargestRoundsDown", "1.7976931348623158e308", std::numeric_limits<double>::max()},
        ReadCase{"PastTheLargestOverflows", "1.7976931348623159e308", std::nullopt},
        ReadCase{"HugeExponentOfZero", "0e99999999999999999999", 0.0},
        ReadCase{"NineteenDigitExponentOverflows", "1e9999999999999999999", std::nullopt},
        ReadCase{"NineteenDigitNegativeExponentUnderflows", "1e-9999999999999999999", 0.0},
        ReadCase{"LongZerosThenSmallExponent", "0." + std::string(500, '0') + "1e501", 1.0},
        ReadCase{"LongDigitsLargeNegativeExponent", "1" + std::string(1000, '0') + "e-1000", 1.0}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& c : name) if (!isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    });

}  // namespace
