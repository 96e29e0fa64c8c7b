// Differential test against Hamlib's locator code, an independent implementation with another
// earth radius, no offsets, and whole-degree azimuths: agreement within stated tolerances
// catches swapped coordinates, wrong signs and wrong quadrants.
#include "geometry/locator.h"
#include "geometry/path.h"
#include "random_locators.h"

#include <gtest/gtest.h>
#include <hamlib/rig.h>
#include <hamlib/rotator.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr std::size_t kPairs = 20000;
constexpr double kOurRadiusKm = 6356.775;
// Hamlib measures 111.2 km per degree of arc.
constexpr double kHamlibRadiusKm = 111.2 * 180 / M_PI;
constexpr double kDistanceToleranceKm = 2.5;
constexpr double kBearingToleranceDegrees = 1.5;
constexpr double kShortestPathForBearingKm = 50;

double AngleBetweenBearings(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return std::min(d, 360 - d);
}

class HamlibDiff : public testing::Test {
protected:
    static void SetUpTestSuite() { rig_set_debug(RIG_DEBUG_NONE); }
};

TEST_F(HamlibDiff, DecodedCoordinatesEqual) {
    for (const auto& [text, unused] : testing_support::RandomLocatorPairs(kPairs, 7)) {
        double longitude = 0, latitude = 0;
        ASSERT_EQ(locator2longlat(&longitude, &latitude, text.c_str()), RIG_OK) << text;
        const geometry::GeoPosition ours = geometry::DecodeLocator(text);
        ASSERT_NEAR(ours.Latitude, latitude, 1e-12) << text;
        ASSERT_NEAR(ours.Longitude, longitude, 1e-12) << text;
    }
}

TEST_F(HamlibDiff, BearingAndDistanceAgree) {
    double worstDistance = 0, worstBearing = 0;
    for (const auto& [first, second] : testing_support::RandomLocatorPairs(kPairs, 11)) {
        const auto a = geometry::DecodeLocator(first), b = geometry::DecodeLocator(second);
        const auto ours = geometry::ComputeBearingDistance(a, b);
        double distance = 0, azimuth = 0;
        ASSERT_EQ(qrb(a.Longitude, a.Latitude, b.Longitude, b.Latitude, &distance, &azimuth), RIG_OK);
        const double scaled = distance * (kOurRadiusKm / kHamlibRadiusKm);
        const double distanceError = std::fabs(ours.DistanceKm - scaled);
        ASSERT_LE(distanceError, kDistanceToleranceKm) << first << " to " << second;
        worstDistance = std::max(worstDistance, distanceError);
        if (ours.DistanceKm > kShortestPathForBearingKm) {
            const double bearingError = AngleBetweenBearings(ours.Bearing, azimuth);
            ASSERT_LE(bearingError, kBearingToleranceDegrees)
                << first << " to " << second << ": " << ours.Bearing << " vs " << azimuth;
            worstBearing = std::max(worstBearing, bearingError);
        }
    }
    RecordProperty("WorstDistanceKm", std::to_string(worstDistance));
    RecordProperty("WorstBearingDegrees", std::to_string(worstBearing));
    std::printf("worst distance difference %.3f km, worst bearing difference %.3f degrees\n",
                worstDistance, worstBearing);
}

}  // namespace
