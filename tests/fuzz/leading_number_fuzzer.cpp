// Any text through the leading-number rule and the unit toggle's arithmetic.
#include "geometry/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

constexpr double kKilometresPerMile = 1.609;

// A whole number written by the toggle reads back as exactly the same number.
void RequireWholeRoundTrip(double whole) {
    const std::optional<double> back = geometry::ReadLeadingNumber(geometry::FormatWholeNumber(whole));
    Require(back.has_value() && *back == whole);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> value = geometry::ReadLeadingNumber(text);
    if (!value) return 0;  // overflow: the toggle leaves the field alone
    Require(std::isfinite(*value));
    RequireWholeRoundTrip(std::floor(*value / kKilometresPerMile));
    const double kilometres = std::floor(*value * kKilometresPerMile);
    if (std::isfinite(kilometres)) RequireWholeRoundTrip(kilometres);
    // Blanks are ignored wherever they stand: a leading blank changes nothing.
    const std::string padded = " " + std::string(text);
    Require(geometry::ReadLeadingNumber(padded) == value);
    return 0;
}
