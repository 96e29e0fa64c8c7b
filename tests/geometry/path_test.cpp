#include "geometry/locator.h"
#include "geometry/path.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <utility>

namespace {

using geometry::ComputeBearingDistance;
using geometry::DecodeLocator;

// Working values on Windows. Its sin and cos are mingw-w64's (the x87 instructions) and its atan
// is the C runtime's: they differ from glibc's by an ulp or two on some inputs, so a working value
// that passes through them may differ in its last bits there (the Linux-against-Windows cross-check
// counts them, and finds every text the same). Where the x87 argument reduction meets a tiny result
// it loses more: cos P at a pole (3.27e-7) comes out 38 ulp low, sin D near the antipodes 19 to 38
// ulp, and the arc cosine of a bearing cosine near -1 or 1 magnifies that (up to some 1300 ulp of
// the bearing angle). On Linux every working value is held to the last bit; on Windows the values
// so marked are held to these relative tolerances instead. Whole results stay exact everywhere.
constexpr double kWindowsLastBits = 1e-14;           // an ulp or two, magnified a little
constexpr double kWindowsWorkingValueTolerance = 1e-12;  // the rows whose results are tiny
constexpr bool kLastBitsDifferOnWindows = true;

void ExpectWorkingValue(double actual, double expected, double windowsTolerance, const char* what) {
#ifdef _WIN32
    if (windowsTolerance > 0) {
        EXPECT_NEAR(actual, expected, std::abs(expected) * windowsTolerance) << what;
        return;
    }
#else
    (void)windowsTolerance;
#endif
    EXPECT_EQ(actual, expected) << what;
}

struct PathCase {
    const char* name;
    std::string first, second;
    double bearing, distanceKm;
    // Where given, the values before the floor, to the last bit.
    std::optional<double> bearingDegrees = std::nullopt, distanceUnrounded = std::nullopt;
};

void PrintTo(const PathCase& c, std::ostream* os) { *os << c.first << " to " << c.second; }

class PathTable : public testing::TestWithParam<PathCase> {};

TEST_P(PathTable, BearingAndDistance) {
    const PathCase& c = GetParam();
    geometry::PathWorkingValues v;
    const auto r = ComputeBearingDistance(DecodeLocator(c.first), DecodeLocator(c.second), v);
    EXPECT_EQ(r.Bearing, c.bearing);
    EXPECT_EQ(r.DistanceKm, c.distanceKm);
    if (c.bearingDegrees) {
        ExpectWorkingValue(v.BearingDegrees, *c.bearingDegrees, kWindowsLastBits, "bearing degrees");
    }
    if (c.distanceUnrounded) {
        ExpectWorkingValue(v.DistanceUnrounded, *c.distanceUnrounded, kWindowsLastBits, "distance unrounded");
    }
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

// Pairs found by search, each named after the step whose order of operations it pins: in that row
// every algebraically equal reordering of that step that was tried changes the last bit of the
// unrounded bearing or distance. Tried: the subsquare term multiplied by 1 / 12, split, or added to
// the square first; degrees to radians as k * RAD - x * RAD, x * PI / 180 or x / (180 / PI); the
// offset added before the difference; 2 PI added as PI + PI; the cosine products regrouped;
// sqrt((1 - C) * (1 + C)); the arc cosine by atan2 or acos; the bearing cosine's two divisions
// merged, swapped or split; A * (180 / PI), A * 180 / PI, A * (1 / RAD) or (A + RAD / 2) / RAD;
// the distance as D / (1 / radius) or (D + 0.5 / radius) * radius.
INSTANTIATE_TEST_SUITE_P(
    OrderOfOperations, PathTable,
    testing::Values(
        PathCase{"SubsquareTerm", "JJ46UM", "RI48GL", 78, 17563, 78.0832068490683, 17563.705729782545},
        PathCase{"EastLongitude", "BB78FF", "NC30SF", 209, 3804, 209.88844151399203, 3804.29002720851},
        PathCase{"Latitude", "OJ94LE", "PK19NH", 15, 1737, 15.195134379938823, 1737.9832137484325},
        PathCase{"LongitudeDifference", "CP76KF", "OH38UF", 300, 12776, 300.9785669463731, 12776.897112424418},
        PathCase{"CentralAngle", "FD57CJ", "HC58XR", 128, 2648, 128.23179407859908, 2648.7320361293996},
        PathCase{"BearingCosine", "BD50BH", "HA18GD", 167, 3792, 167.01520938614138, 3792.2757191061705},
        PathCase{"FullCircle", "RB63KW", "HQ39GI", 47, 19258, 47.65045875181326, 19258.717742364704},
        PathCase{"Degrees", "KA43MM", "LH98XH", 31, 8354, 31.837826538973726, 8354.584884135},
        PathCase{"Distance", "EA61TP", "CJ96AM", 325, 10560, 325.00897950512365, 10560.570858440678}),
    [](const auto& info) { return std::string(info.param.name); });

// Positions found by search where the unrounded bearing or distance lies within a unit in the last
// place of a whole number, so that the whole degrees or kilometres shown depend on the order of
// operations too: in each row several of the reorderings above change the result by one.
struct RoundingEdgeCase {
    const char* name;
    geometry::GeoPosition first, second;
    double bearingDegrees, distanceUnrounded;
    double bearing, distanceKm;
};

void PrintTo(const RoundingEdgeCase& c, std::ostream* os) { *os << c.name; }

class RoundingEdges : public testing::TestWithParam<RoundingEdgeCase> {};

TEST_P(RoundingEdges, WholeResultDependsOnTheLastBit) {
    const RoundingEdgeCase& c = GetParam();
    geometry::PathWorkingValues v;
    const auto r = ComputeBearingDistance(c.first, c.second, v);
    ExpectWorkingValue(v.BearingDegrees, c.bearingDegrees, kWindowsLastBits, "bearing degrees");
    ExpectWorkingValue(v.DistanceUnrounded, c.distanceUnrounded, kWindowsLastBits, "distance unrounded");
    EXPECT_EQ(r.Bearing, c.bearing);
    EXPECT_EQ(r.DistanceKm, c.distanceKm);
}

INSTANTIATE_TEST_SUITE_P(
    Found, RoundingEdges,
    testing::Values(
        RoundingEdgeCase{"BearingJustBelow95", {-47.547959247596765, 63.1525038776021},
                         {46.59360267292416, -126.66318560212497}, 94.99999999999999, 19221.745126977894, 94, 19221},
        RoundingEdgeCase{"BearingJustBelow205", {-33.9253716531108, -158.6141350359632},
                         {-47.59683431185201, 59.32137675830364}, 204.99999999999997, 10171.530815417162, 204, 10171},
        RoundingEdgeCase{"BearingExactly324", {44.07931488402279, -87.28690449679345},
                         {-13.62395192143321, 113.37849055169883}, 324, 16065.375090513895, 324, 16065},
        RoundingEdgeCase{"BearingJustBelow304", {58.8333927313539, 96.65867162052706},
                         {0.6668123745711014, -30.739748569997715}, 303.99999999999994, 11951.796152542984, 303, 11951},
        RoundingEdgeCase{"DistanceExactly7044", {57.81554190872963, -34.16932423326452},
                         {-3.4888244060260933, -54.68303410764375}, 203.51676833194588, 7044, 203, 7044},
        RoundingEdgeCase{"DistanceExactly18819", {32.439669587782845, -50.79547294543411},
                         {-37.47705520620759, 140.3019144983714}, 238.40377463655065, 18819, 238, 18819}),
    [](const auto& info) { return std::string(info.param.name); });

// Every working value, by name.
constexpr std::pair<const char*, double geometry::PathWorkingValues::*> kWorkingValues[] = {
    {"X1", &geometry::PathWorkingValues::X1},
    {"X2", &geometry::PathWorkingValues::X2},
    {"L1", &geometry::PathWorkingValues::L1},
    {"L2", &geometry::PathWorkingValues::L2},
    {"P1", &geometry::PathWorkingValues::P1},
    {"P2", &geometry::PathWorkingValues::P2},
    {"DL", &geometry::PathWorkingValues::DL},
    {"C", &geometry::PathWorkingValues::C},
    {"D", &geometry::PathWorkingValues::D},
    {"BearingCosine", &geometry::PathWorkingValues::BearingCosine},
    {"BearingAngle", &geometry::PathWorkingValues::BearingAngle},
    {"SignedAngle", &geometry::PathWorkingValues::SignedAngle},
    {"Angle", &geometry::PathWorkingValues::Angle},
    {"BearingDegrees", &geometry::PathWorkingValues::BearingDegrees},
    {"DistanceUnrounded", &geometry::PathWorkingValues::DistanceUnrounded}};

// The two worked examples, every working value they give to the last bit.
struct WorkedExample {
    const char* name;
    std::string first, second;
    std::map<std::string_view, double> values;  // by the names above
};

class WorkedExamples : public testing::TestWithParam<WorkedExample> {};

TEST_P(WorkedExamples, EveryWorkingValueToTheLastBit) {
    const WorkedExample& c = GetParam();
    geometry::PathWorkingValues v;
    ComputeBearingDistance(DecodeLocator(c.first), DecodeLocator(c.second), v);
    std::size_t checked = 0;
    for (const auto& [name, value] : kWorkingValues) {
        const auto given = c.values.find(name);
        if (given == c.values.end()) continue;
        EXPECT_EQ(v.*value, given->second) << name;
        ++checked;
    }
    EXPECT_EQ(checked, c.values.size()) << "a value of no working value's name";
}

INSTANTIATE_TEST_SUITE_P(
    Given, WorkedExamples,
    testing::Values(
        WorkedExample{"RomeToMilan", "JN61FV", "JN45LL",
                      {{"L1", 0.21743889074074077}, {"L2", 0.15635237962962964}, {"P1", 0.7312200824074075},
                       {"P2", 0.7937610342592593}, {"DL", 0.06118651111111113}, {"C", 0.9970682737165272},
                       {"D", 0.07659190437138987}, {"BearingCosine", 0.8282649696414159},
                       {"BearingAngle", 0.5947921732954227}, {"SignedAngle", -0.5947921732954227},
                       {"Angle", 5.688391826704578}, {"BearingDegrees", 326.4209116928054},
                       {"DistanceUnrounded", 487.37750291044176}}},
        WorkedExample{"AcrossTheDateLine", "RB32ID", "AB32ID",
                      {{"L1", 2.909608701851852}, {"L2", 3.25867447962963}, {"DL", 5.934218222222222},
                       {"C", 0.9973317745469397}, {"D", 0.07306726858505616}, {"BearingCosine", -0.16982687259200793},
                       {"BearingAngle", 1.7414496603325147}, {"Angle", 1.7414496603325147},
                       {"BearingDegrees", 100.27773652971253}, {"DistanceUnrounded", 464.97218625977035}}}),
    [](const auto& info) { return std::string(info.param.name); });

// Due south either takes the guard (cosine below -0.9999999, angle exactly PI) or the arc
// cosine, depending on how close to -1 the rounded cosine comes. Only the angle tells the two
// apart: both round to 180 degrees.
TEST(ComputeBearingDistance, SouthGuardTakenOnlyWhereTheCosineFallsBelowIt) {
    const struct {
        const char* second;
        double cosine, angle;
    } cases[] = {{"JE61FV", -0.999999997770359, 3.141592},
                 {"JL61FV", -0.9999999632010967, 3.141592},
                 {"JM61FV", -0.9999998804759107, 3.141103074460361},
                 {"JD61FV", -0.9999998833156453, 3.1411089174874145}};
    for (const auto& c : cases) {
        geometry::PathWorkingValues v;
        const auto r = ComputeBearingDistance(DecodeLocator("JN61FV"), DecodeLocator(c.second), v);
        EXPECT_EQ(v.BearingCosine, c.cosine) << c.second;
        EXPECT_EQ(v.BearingAngle, c.angle) << c.second;
        EXPECT_EQ(r.Bearing, 180) << c.second;
    }
}

// Positions where a step meets zero or its limit, with the results that "a failed step assigns
// nothing" gives: exact, from an independent reference computation of the same steps.
struct DegenerateCase {
    const char* name;
    geometry::GeoPosition first, second;
    double bearing, distanceKm;
    double d, bearingCosine, bearingAngle;  // central angle, and the bearing angle before its side
    bool lastBitsDifferOnWindows = false;   // see kWindowsWorkingValueTolerance
};

void PrintTo(const DegenerateCase& c, std::ostream* os) { *os << c.name; }

class DegeneratePositions : public testing::TestWithParam<DegenerateCase> {};

TEST_P(DegeneratePositions, ResultsAndWorkingValues) {
    const DegenerateCase& c = GetParam();
    geometry::PathWorkingValues v;
    const auto r = ComputeBearingDistance(c.first, c.second, v);
    EXPECT_EQ(r.Bearing, c.bearing);
    EXPECT_EQ(r.DistanceKm, c.distanceKm);
    EXPECT_EQ(v.D, c.d);
    const double tolerance = c.lastBitsDifferOnWindows ? kWindowsWorkingValueTolerance : 0;
    ExpectWorkingValue(v.BearingCosine, c.bearingCosine, tolerance, "bearing cosine");
    ExpectWorkingValue(v.BearingAngle, c.bearingAngle, tolerance, "bearing angle");
}

// The latitude whose radians (by the program's PI) are the double nearest the true pi / 2: its
// sine is exactly 1, so two such stations on opposite poles have a cosine of exactly -1.
constexpr double kPoleByTruePi = 90.00001872397223;

INSTANTIATE_TEST_SUITE_P(
    Steps, DegeneratePositions,
    testing::Values(
        // On Greenwich the west-positive longitude is -0: east of the threshold, k = 0.
        DegenerateCase{"OnGreenwich", {45, 0}, {45, 1}, 90, 78, 0.01227147756951802, 0.006135813778750295,
                       1.5646604745150923},
        DegenerateCase{"OnGreenwichWestward", {45, 1}, {45, 0}, 270, 79, 0.012411971958018006,
                       0.006206063625118072, 1.5645902233310978},
        DegenerateCase{"NorthPoleToSouthPole", {90, 0}, {-90, 0}, 240, 19970, 3.141591346384043,
                       -0.5000300241329675, 2.094429118032886, kLastBitsDifferOnWindows},
        DegenerateCase{"SouthPoleToNorthPole", {-90, 0}, {90, 0}, 300, 19970, 3.141591346384043,
                       0.5000300241329675, 1.0471628819671142, kLastBitsDifferOnWindows},
        // Identical poles: C is exactly 1, so D is 0 and the division by sin D fails; the cosine
        // keeps 0, whose arc cosine fails too (division by zero), and the zero angle becomes PI.
        DegenerateCase{"SameNorthPole", {90, 0}, {90, 0}, 180, 0, 0, 0, 0},
        DegenerateCase{"SameSouthPole", {-90, 0}, {-90, 0}, 180, 0, 0, 0, 0},
        // On the equator the sines vanish: the cosine is exactly 0 and its arc cosine fails.
        DegenerateCase{"EquatorSamePoint", {0, 10}, {0, 10}, 180, 1, 9.999999986279311e-05, 0, 0},
        DegenerateCase{"EquatorToNorthOnMeridian", {0, 10}, {10, 10}, 360, 1109, 0.1745329172453013,
                       0.9999998391827861, 0.0005671282362681348},
        DegenerateCase{"NorthToEquatorOnMeridian", {10, 10}, {0, 10}, 180, 1109, 0.1745329172453013,
                       -0.9999998341827869, 3.141016122899162},
        // C exactly -1: D is exactly PI, which zeroes the signed angle; the bearing becomes PI.
        DegenerateCase{"ExactAntipodeCentralAnglePi", {kPoleByTruePi, 0}, {-kPoleByTruePi, 0}, 180, 19970,
                       3.141592, 0, 0},
        // C rounds to exactly -1 while the stations are not quite antipodal: the bearing angle is
        // not zero, and only D = PI zeroes it.
        DegenerateCase{"NearAntipodeCentralAnglePi", {30, 0}, {-30.00000076, -179.9943079088}, 180, 19970, 3.141592,
                       -0.020294838714638535, 1.5910919053526718, kLastBitsDifferOnWindows},
        // The offset puts the second station exactly north: the cosine rounds above 1, its arc
        // cosine fails, and the angle goes on as the cosine itself.
        DegenerateCase{"OffsetOntoTheMeridian", {20, 10}, {21, 10.005729579143313}, 303, 111, 0.017453288888886604,
                       1.0000000000001306, 1.0000000000001306},
        // A latitude at the bottom of the double range makes the bearing cosine subnormal: the
        // quotient inside its arc cosine overflows, so that step fails as a whole and the angle
        // goes on as the cosine itself, near 0 east of north or near 2 PI west of it.
        DegenerateCase{"SubnormalBearingCosine", {0, 10}, {1e-310, 10.5}, 0, 55, 0.008627951624038559,
                       2.02290256052936e-310, 2.02290256052936e-310},
        DegenerateCase{"NegativeSubnormalBearingCosine", {0, 10}, {-1e-310, 10.5}, 360, 55, 0.008627951624038559,
                       -2.02290256052936e-310, -2.02290256052936e-310},
        // The offset puts the second station exactly onto the first: the cosine rounds above 1,
        // the central angle keeps 0, and so does the cosine of the bearing angle.
        DegenerateCase{"OffsetOntoTheFirstStation", {51.3, 2.8}, {51.3, 2.8057295791432932}, 180, 0, 0, 0, 0},
        // A latitude or longitude that is not a number is never assigned: it stays 0.
        DegenerateCase{"NotANumberLatitudeStaysZero", {NAN, 10}, {45, 10.5}, 0, 4993, 0.785435219863229,
                       0.9999627822024915, 0.008627633322248059},
        DegenerateCase{"NotANumberSecondLatitudeStaysZero", {45, 10.5}, {NAN, 10}, 181, 4993, 0.7854369538272014,
                       -0.9999220953802419, 3.1291095618326588},
        DegenerateCase{"NotANumberLongitudeStaysZero", {45, NAN}, {45, 10.5}, 86, 823, 0.12942364120554903,
                       0.0648022804876652, 1.5059486059659943},
        DegenerateCase{"NotANumberSecondLongitudeStaysZero", {45, 10.5}, {45, NAN}, 274, 824, 0.12956384264043655,
                       0.064872675878632, 1.5058780621393},
        DegenerateCase{"FirstAtNorthPole", {90, 0}, {45, 10}, 170, 4993, 0.7853980049591495,
                       -0.9848248825335155, 2.9671577473910173, kLastBitsDifferOnWindows},
        DegenerateCase{"FirstAtSouthPole", {-90, 0}, {45, 10}, 10, 14978, 2.356193351369353, 0.9848242583743085,
                       0.17443784897446843, kLastBitsDifferOnWindows}),
    [](const auto& info) { return std::string(info.param.name); });

// A caller may keep one record for many calls. Each call starts from zero all the same: here every
// step that fails finds the worked example's values in the record, and must not let them through.
TEST_P(DegeneratePositions, ReusedRecordStartsClean) {
    const DegenerateCase& c = GetParam();
    geometry::PathWorkingValues reused;
    ComputeBearingDistance(DecodeLocator("JN61FV"), DecodeLocator("JN45LL"), reused);
    const auto r = ComputeBearingDistance(c.first, c.second, reused);
    EXPECT_EQ(r.Bearing, c.bearing);
    EXPECT_EQ(r.DistanceKm, c.distanceKm);
    geometry::PathWorkingValues fresh;
    ComputeBearingDistance(c.first, c.second, fresh);
    for (const auto& [name, value] : kWorkingValues) EXPECT_EQ(reused.*value, fresh.*value) << name;
}

// East longitude in radians, 0 to 2 PI: west of the threshold of 0.0001 degree a station gains a
// full circle, east of it (Greenwich included) it keeps its east longitude.
TEST(ComputeBearingDistance, LongitudesCountEastOfGreenwich) {
    const std::pair<double, double> rows[] = {{0, 0},
                                              {-0.00005, -8.726644444444445e-07},
                                              {-0.0005, 6.283175273355556},
                                              {12.458333333333334, 0.21743889074074077},
                                              {-0.125, 6.281002338888889},
                                              {179.95833333333334, 3.1408647796296303},
                                              {-179.95833333333334, 3.1423192203703705}};
    for (const auto& [longitude, east] : rows) {
        geometry::PathWorkingValues v;
        ComputeBearingDistance({45, longitude}, {45, 1}, v);
        EXPECT_EQ(v.L1, east) << longitude;
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
