#include "distance_unit.h"

#include "text_rules.h"

#include "geometry/number_text.h"

#include <cmath>

namespace ui {
namespace {

// Kilometres per mile, to three decimals as the program has always used.
constexpr double kKilometresPerMile = 1.609;

// Kilometres restored after a round trip through miles: plain digits when whole, as the toggle
// writes them, otherwise the number as it was typed, in value.
std::string FormatKilometres(double kilometres) {
    return kilometres == std::floor(kilometres) ? geometry::FormatWholeNumber(kilometres)
                                                : geometry::FormatGeneralNumber(kilometres);
}

std::optional<double> LeadingNumber(std::u16string_view shown) { return geometry::ReadLeadingNumber(ToLatin1(shown)); }

}  // namespace

void DistanceMemory::Remember(std::u16string_view text, std::optional<double> kilometres) {
    text_ = text;
    kilometres_ = kilometres;
}

std::optional<double> DistanceMemory::KilometresBehind(std::u16string_view shown) const {
    if (!kilometres_ || shown != text_) return std::nullopt;
    return kilometres_;
}

std::optional<DistanceConversion> ConvertToMiles(std::u16string_view shown, std::optional<double> remembered) {
    const std::optional<double> kilometres = remembered ? remembered : LeadingNumber(shown);
    if (!kilometres) return std::nullopt;
    const double miles = std::floor(*kilometres / kKilometresPerMile);
    return DistanceConversion{FromLatin1(geometry::FormatWholeNumber(miles)), *kilometres};
}

std::optional<DistanceConversion> ConvertToKilometres(std::u16string_view shown, std::optional<double> remembered) {
    if (remembered) return DistanceConversion{FromLatin1(FormatKilometres(*remembered)), *remembered};
    const std::optional<double> miles = LeadingNumber(shown);
    if (!miles) return std::nullopt;
    const double kilometres = std::floor(*miles * kKilometresPerMile);
    if (!std::isfinite(kilometres)) return std::nullopt;
    return DistanceConversion{FromLatin1(geometry::FormatWholeNumber(kilometres)), kilometres};
}

}  // namespace ui
