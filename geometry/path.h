// Bearing and great-circle distance between two stations.
//
// Conventions:
//   - Positions are in degrees (latitude north-positive, longitude east-positive); angles inside
//     the computation are radians of the program's own PI (3.141592).
//   - The model is a sphere of 6356.775 km per radian of arc and the spherical law of cosines,
//     each inverse cosine built from the arctangent. Every operation is a separately rounded
//     IEEE double operation in a fixed order (build with -ffp-contract=off): the results are
//     fixed to the last bit.
//   - Bearing is the initial direction of the great circle from the first station towards the
//     second, in whole degrees clockwise from true north, within [0, 360]: both 0 and 360 mean
//     north. DistanceKm is whole kilometres within [0, 19970].
//   - The second station is always nudged 0.0001 radian westward, which keeps the formulas clear
//     of division by zero: identical positions give a bearing of 270 and a distance of 0 or 1 km,
//     and swapping the stations can change the distance by 1 km.
//   - A step in which any operation would be undefined (square root of a negative number,
//     division by zero, an infinite or not-a-number value, even one that a later operation of the
//     step would make finite again) assigns nothing: its target keeps its previous value, which
//     is 0 before its first assignment, and the next step runs. Positions outside the globe
//     (decoded from malformed texts) therefore still give results within the ranges above.
#pragma once

#include "locator.h"

namespace geometry {

struct PathResult {
    double Bearing = 0;     // whole degrees clockwise from true north, [0, 360]
    double DistanceKm = 0;  // whole kilometres, [0, 19970]
};

// first:  position of the own station (degrees)
// second: position of the station to be reached (degrees)
PathResult ComputeBearingDistance(const GeoPosition& first, const GeoPosition& second);

// Every working value of one computation, for tests and diagnostics. Angles in radians.
struct PathWorkingValues {
    double X1 = 0, X2 = 0;    // longitudes, west positive (degrees)
    double L1 = 0, L2 = 0;    // longitudes east of Greenwich, 0 to 2 PI
    double P1 = 0, P2 = 0;    // latitudes
    double DL = 0;            // longitude difference, after the sign correction
    double C = 0;             // cosine of the central angle
    double D = 0;             // central angle
    double BearingCosine = 0; // cosine of the bearing angle
    double BearingAngle = 0;  // bearing angle, 0 to PI, east or west undecided
    double SignedAngle = 0;   // negative when the second station lies west
    double Angle = 0;         // bearing angle from north, 0 to 2 PI
    double BearingDegrees = 0;  // Angle in degrees plus the rounding offset, before the floor
    double DistanceUnrounded = 0;  // kilometres plus the rounding offset, before the floor
};

// The same computation as ComputeBearingDistance, also reporting every working value.
PathResult ComputeBearingDistance(const GeoPosition& first, const GeoPosition& second,
                                  PathWorkingValues& values);

}  // namespace geometry
