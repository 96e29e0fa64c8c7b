// Legend: X = longitude west-positive (degrees); L = longitude east of Greenwich, 0 to 360
// degrees, in radians; P = latitude (radians); DL = longitude difference; C = cosine of the
// central angle; D = central angle. The bearing angle passes through four stages, each kept
// in PathWorkingValues.
// Each assignment below keeps its bracketing and operand order; do not simplify: the results
// are fixed to the last bit.
#include "path.h"

#include <cmath>
#include <optional>

namespace geometry {
namespace {

// The program's own value of pi, six decimals. Every formula uses it, so the whole computation
// (including the radius below) is consistent with it rather than with the true pi.
constexpr double kPi = 3.141592;
// Degrees to radians, computed once from kPi.
constexpr double kRad = kPi / 180;
// Degrees: a station further west than this counts as west of Greenwich.
constexpr double kWestThreshold = 0.0001;
// Radians: the second station is moved this far west so that identical positions and stations
// on one meridian never divide by zero.
constexpr double kLongitudeOffset = 0.0001;
// A cosine of the bearing angle below this is taken as due south (PI) outright.
constexpr double kSouthGuard = -0.9999999;
// Kilometres per radian of great-circle arc.
constexpr double kSphereRadiusKm = 6356.775;
// Added before taking the floor: whole numbers, a half rounded up.
constexpr double kRoundingOffset = 0.5;
// The largest bearing, in whole degrees.
constexpr double kFullCircleDegrees = 360;

// Branch-free: the signs of longitude differences are as good as random, so a branch mispredicts.
// For x = -0 this gives -0 rather than 0; every formula adds it to 1 or multiplies by it, so no
// result changes.
double Sgn(double x) { return std::copysign(x != 0 ? 1.0 : 0.0, x); }

// Stores value unless the step that computed it failed (infinite or undefined result).
void Assign(double& target, double value) {
    if (std::isfinite(value)) target = value;
}

void Assign(double& target, std::optional<double> value) {
    if (value) Assign(target, *value);
}

// atan(sqrt(1 - x * x) / x) + (1 - sgn(x)) * PI / 2: the arc cosine of x, from 0 to PI.
// No value where the square root is of a negative number or the quotient is infinite, for x zero
// (division by zero) or subnormal (overflow): the step fails although atan would make it PI / 2.
std::optional<double> ArcCosineByArctangent(double x) {
    const double radicand = 1 - x * x;
    if (!(radicand >= 0)) return std::nullopt;
    const double quotient = std::sqrt(radicand) / x;
    if (!std::isfinite(quotient)) return std::nullopt;
    return std::atan(quotient) + (1 - Sgn(x)) * kPi / 2;
}

// Sines and cosines of both latitudes, each computed once: the same values enter two steps.
struct LatitudeTrig {
    double sinP1, cosP1, sinP2, cosP2;
    LatitudeTrig(double p1, double p2)
        : sinP1(std::sin(p1)), cosP1(std::cos(p1)), sinP2(std::sin(p2)), cosP2(std::cos(p2)) {}
};

// ((sin P2 - C * sin P1) / sin D) / cos P1, or no value where a divisor is zero.
std::optional<double> BearingCosine(const LatitudeTrig& t, double c, double d) {
    const double sinD = std::sin(d);
    if (sinD == 0 || t.cosP1 == 0) return std::nullopt;
    return ((t.sinP2 - c * t.sinP1) / sinD) / t.cosP1;
}

// Longitude east of Greenwich in radians, 0 to 2 PI, from a west-positive longitude in degrees.
double EastLongitudeRadians(double x) {
    const double k = (Sgn(x - kWestThreshold) + 1) * 180;
    return (k - x) * kRad;
}

// Int(x) within [0, limit]; no value outside, so that a malformed position never shows a
// result beyond the documented ranges.
std::optional<double> WholeWithin(double x, double limit) {
    const double whole = std::floor(x);
    if (!(whole >= 0 && whole <= limit)) return std::nullopt;
    return whole;
}

}  // namespace

PathResult ComputeBearingDistance(const GeoPosition& first, const GeoPosition& second,
                                  PathWorkingValues& v) {
    v = PathWorkingValues{};
    PathResult result;

    Assign(v.X1, -first.Longitude);
    Assign(v.X2, -second.Longitude);
    Assign(v.L1, EastLongitudeRadians(v.X1));
    Assign(v.L2, EastLongitudeRadians(v.X2));
    Assign(v.P1, first.Latitude * kRad);
    Assign(v.P2, second.Latitude * kRad);
    Assign(v.DL, v.L1 - v.L2 + kLongitudeOffset);
    // Negative DL gains 2 PI, zero gains PI: DL below PI means the second station lies west.
    Assign(v.DL, v.DL + kPi * (1 - Sgn(v.DL)));
    const LatitudeTrig t(v.P1, v.P2);
    Assign(v.C, t.sinP1 * t.sinP2 + (t.cosP1 * t.cosP2) * std::cos(v.DL));
    Assign(v.D, ArcCosineByArctangent(v.C));
    Assign(v.BearingCosine, BearingCosine(t, v.C, v.D));
    // The angle starts as the cosine: where its step fails, the later steps go on with the cosine.
    v.BearingAngle = v.BearingCosine;
    if (v.BearingCosine < kSouthGuard) {
        Assign(v.BearingAngle, (1 - Sgn(v.BearingCosine)) * kPi / 2);
    } else {
        Assign(v.BearingAngle, ArcCosineByArctangent(v.BearingCosine));
    }
    v.SignedAngle = v.BearingAngle;
    // West of the first station the angle turns negative; D exactly PI makes it zero.
    Assign(v.SignedAngle, v.BearingAngle * Sgn(v.DL - kPi) * Sgn(kPi - v.D));
    v.Angle = v.SignedAngle;
    Assign(v.Angle, v.SignedAngle + (1 - Sgn(v.SignedAngle)) * kPi);
    Assign(v.BearingDegrees, v.Angle / kRad + kRoundingOffset);
    Assign(v.DistanceUnrounded, kSphereRadiusKm * v.D + kRoundingOffset);
    Assign(result.Bearing, WholeWithin(v.BearingDegrees, kFullCircleDegrees));
    Assign(result.DistanceKm, WholeWithin(v.DistanceUnrounded, kSphereRadiusKm * kPi));
    return result;
}

PathResult ComputeBearingDistance(const GeoPosition& first, const GeoPosition& second) {
    PathWorkingValues values;
    return ComputeBearingDistance(first, second, values);
}

}  // namespace geometry
