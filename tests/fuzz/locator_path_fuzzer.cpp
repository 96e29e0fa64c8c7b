// Any two texts through the whole computation: check, decode, bearing and distance, and the
// coordinate texts. Input: the first locator, a line feed, the second locator.
#include "geometry/locator.h"
#include "geometry/number_text.h"
#include "geometry/path.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

bool InsideTheGlobe(const geometry::GeoPosition& p) {
    return p.Latitude > -90 && p.Latitude < 90 && p.Longitude > -180 && p.Longitude < 180;
}

// The coordinate texts carry 15 significant digits: reading one back is within that precision.
void RequireTextRoundTrip(double x) {
    const std::optional<double> back = geometry::ReadLeadingNumber(geometry::FormatGeneralNumber(x));
    Require(back.has_value());
    Require(std::fabs(*back - x) <= std::fabs(x) * 1e-14);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\n');
    const std::string first(input.substr(0, split));
    const std::string second(split == std::string_view::npos ? std::string_view() : input.substr(split + 1));

    const geometry::LocatorCheck check = geometry::CheckLocators(first, second);
    Require(!check.FirstTooLong || check.BadInput);
    const geometry::GeoPosition a = geometry::DecodeLocator(check.First);
    const geometry::GeoPosition b = geometry::DecodeLocator(check.Second);
    if (!check.BadInput) {
        Require(geometry::IsSubsquare(check.First) && geometry::IsSubsquare(check.Second));
        Require(InsideTheGlobe(a) && InsideTheGlobe(b));
    }
    const geometry::PathResult r = geometry::ComputeBearingDistance(a, b);
    Require(r.Bearing >= 0 && r.Bearing <= 360 && r.Bearing == std::floor(r.Bearing));
    Require(r.DistanceKm >= 0 && r.DistanceKm <= 19970 && r.DistanceKm == std::floor(r.DistanceKm));
    for (double x : {a.Latitude, a.Longitude, b.Latitude, b.Longitude}) RequireTextRoundTrip(x);
    Require(geometry::FormatSignedNumber(r.DistanceKm)[0] == ' ');
    return 0;
}
