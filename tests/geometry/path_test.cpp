#include "geometry/locator.h"
#include "geometry/path.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <random>
#include <string>

namespace {

using geometry::ComputeBearingDistance;
using geometry::DecodeLocator;

struct PathCase {
    const char* name;
    std::string first, second;
    double bearing, distanceKm;
};

void PrintTo(const PathCase& c, std::ostream* os) { *os << c.first << " to " << c.second; }

class PathTable : public testing::TestWithParam<PathCase> {};

TEST_P(PathTable, BearingAndDistance) {
    const PathCase& c = GetParam();
    const auto r = ComputeBearingDistance(DecodeLocator(c.first), DecodeLocator(c.second));
    EXPECT_EQ(r.Bearing, c.bearing);
    EXPECT_EQ(r.DistanceKm, c.distanceKm);
}

INSTANTIATE_TEST_SUITE_P(
    ReferencePairs, PathTable,
    testing::Values(
        PathCase{"WorkedExample", "JN61FV", "JN45LL", 326, 487},
        PathCase{"ReversePathOneKmShorter", "JN45LL", "JN61FV", 144, 486},
        PathCase{"TransatlanticWestward", "IO91WM", "FN20XR", 288, 5559},
        PathCase{"TransatlanticEastward", "FN20XR", "IO91WM", 51, 5558},
        PathCase{"DateLineEastward", "RB32ID", "AB32ID", 100, 464},
        PathCase{"DateLineWestward", "AB32ID", "RB32ID", 260, 465},
        PathCase{"EquatorEast", "JJ00AA", "JJ00BA", 90, 9},
        PathCase{"EquatorWest", "JJ00BA", "JJ00AA", 270, 10},
        PathCase{"AcrossGreenwichAndEquator", "II99XA", "JJ00AA", 4, 111},
        PathCase{"DueNorthIs360", "JN61FA", "JN61FV", 360, 97},
        PathCase{"JustEastOfNorthIs0", "JN61FA", "JN67GM", 0, 721},
        PathCase{"DueSouthArcBranch", "JN61FV", "JN61FA", 180, 97},
        PathCase{"NeighboursNorthLeanWest", "JN61FU", "JN61FV", 354, 5},
        PathCase{"NeighboursSouthLeanWest", "JN61FV", "JN61FU", 186, 5},
        PathCase{"DueSouthGuardBranch", "JN61FV", "JE61FV", 180, 9985},
        PathCase{"QuarterCircleNorth", "JE61FV", "JN61FV", 360, 9985},
        PathCase{"Antipodes", "JN61FV", "AE68FC", 90, 19970},
        PathCase{"OppositeGridCorners", "AA00AA", "RR99XX", 358, 19966},
        PathCase{"IdenticalHighLatitude", "JN61FV", "JN61FV", 270, 0},
        PathCase{"IdenticalNearEquator", "JJ00AA", "JJ00AA", 270, 1},
        PathCase{"GuardBranchAgain", "JN61FV", "JL61FV", 180, 2219}),
    [](const auto& info) { return std::string(info.param.name); });

// The two worked examples, every working value to the last bit.
TEST(ComputeBearingDistance, RomeToMilanWorkingValues) {
    geometry::PathWorkingValues v;
    const auto r = ComputeBearingDistance(DecodeLocator("JN61FV"), DecodeLocator("JN45LL"), v);
    EXPECT_EQ(v.L1, 0.21743889074074077);
    EXPECT_EQ(v.L2, 0.15635237962962964);
    EXPECT_EQ(v.P1, 0.7312200824074075);
    EXPECT_EQ(v.P2, 0.7937610342592593);
    EXPECT_EQ(v.DL, 0.06118651111111113);
    EXPECT_EQ(v.C, 0.9970682737165272);
    EXPECT_EQ(v.D, 0.07659190437138987);
    EXPECT_EQ(v.BearingCosine, 0.8282649696414159);
    EXPECT_EQ(v.BearingAngle, 0.5947921732954227);
    EXPECT_EQ(v.SignedAngle, -0.5947921732954227);
    EXPECT_EQ(v.Angle, 5.688391826704578);
    EXPECT_EQ(v.BearingDegrees, 326.4209116928054);
    EXPECT_EQ(v.DistanceUnrounded, 487.37750291044176);
    EXPECT_EQ(r.Bearing, 326);
    EXPECT_EQ(r.DistanceKm, 487);
}

TEST(ComputeBearingDistance, AcrossTheDateLineWorkingValues) {
    geometry::PathWorkingValues v;
    const auto first = DecodeLocator("RB32ID");
    const auto second = DecodeLocator("AB32ID");
    EXPECT_EQ(first.Latitude, -77.85416666666667);
    const auto r = ComputeBearingDistance(first, second, v);
    EXPECT_EQ(v.L1, 2.909608701851852);
    EXPECT_EQ(v.L2, 3.25867447962963);
    EXPECT_EQ(v.DL, 5.934218222222222);
    EXPECT_EQ(v.C, 0.9973317745469397);
    EXPECT_EQ(v.D, 0.07306726858505616);
    EXPECT_EQ(v.BearingCosine, -0.16982687259200793);
    EXPECT_EQ(v.BearingAngle, 1.7414496603325147);
    EXPECT_EQ(v.Angle, 1.7414496603325147);
    EXPECT_EQ(v.BearingDegrees, 100.27773652971253);
    EXPECT_EQ(v.DistanceUnrounded, 464.97218625977035);
    EXPECT_EQ(r.Bearing, 100);
    EXPECT_EQ(r.DistanceKm, 464);
}

// Due south either takes the guard (cosine below -0.9999999, angle exactly PI) or the arc
// cosine, depending on how close to -1 the rounded cosine comes.
TEST(ComputeBearingDistance, SouthGuardTakenOnlyWhereTheCosineFallsBelowIt) {
    const struct {
        const char* second;
        bool guardTaken;
    } cases[] = {{"JE61FV", true}, {"JL61FV", true}, {"JM61FV", false}, {"JD61FV", false}};
    for (const auto& c : cases) {
        geometry::PathWorkingValues v;
        const auto r = ComputeBearingDistance(DecodeLocator("JN61FV"), DecodeLocator(c.second), v);
        EXPECT_EQ(v.BearingCosine < -0.9999999, c.guardTaken) << c.second;
        if (c.guardTaken) EXPECT_EQ(v.BearingAngle, 3.141592) << c.second;
        EXPECT_EQ(r.Bearing, 180) << c.second;
    }
}

// Malformed texts decode to points outside the globe; the results must still be whole numbers
// within their ranges, never NaN or infinite.
void ExpectInRange(const geometry::PathResult& r, const std::string& what) {
    ASSERT_TRUE(r.Bearing >= 0 && r.Bearing <= 360) << what << " bearing " << r.Bearing;
    ASSERT_TRUE(r.DistanceKm >= 0 && r.DistanceKm <= 19970) << what << " distance " << r.DistanceKm;
    ASSERT_EQ(r.Bearing, std::floor(r.Bearing)) << what;
    ASSERT_EQ(r.DistanceKm, std::floor(r.DistanceKm)) << what;
}

TEST(ComputeBearingDistance, GarbageTextsStayInRange) {
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> length(0, 8), code(0, 255);
    for (int i = 0; i < 200000; ++i) {
        std::string a(static_cast<std::size_t>(length(rng)), ' '), b(static_cast<std::size_t>(length(rng)), ' ');
        for (char& c : a) c = static_cast<char>(code(rng));
        for (char& c : b) c = static_cast<char>(code(rng));
        ExpectInRange(ComputeBearingDistance(DecodeLocator(a), DecodeLocator(b)), "garbage pair");
    }
}

TEST(ComputeBearingDistance, NonFinitePositionsStayInRange) {
    const double inf = INFINITY, nan = NAN, huge = 1e308;
    const double values[] = {inf, -inf, nan, huge, -huge, 0.0, 90.0, -90.0, 1e-300};
    for (double lat : values)
        for (double lon : values)
            ExpectInRange(ComputeBearingDistance({lat, lon}, {45.0, 9.0}), "non-finite position");
}

// Texts that name the pole rows or meet exactly: sin D or cos P1 may vanish.
TEST(ComputeBearingDistance, DegenerateGeometryStaysInRange) {
    const geometry::GeoPosition cases[][2] = {
        {{90, 0}, {90, 0}}, {{-90, 0}, {90, 0}}, {{0, 0}, {0, 180}}, {{0, 0}, {0, 0}},
        {{90, 10}, {-90, 10}}, {{45, -0.0001}, {45, 0.0001}}, {{0, 180}, {0, -180}}};
    for (const auto& pair : cases) ExpectInRange(ComputeBearingDistance(pair[0], pair[1]), "degenerate");
}

}  // namespace
