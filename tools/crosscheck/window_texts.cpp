#include "window_texts.h"

#include "geometry/number_text.h"

#include <cmath>
#include <cstdint>
#include <initializer_list>

namespace crosscheck {
namespace {

constexpr const char* kBadInputText = "??????";
constexpr const char* kEqualLocatorsBearing = "0";
constexpr double kKilometresPerMile = 1.609;  // the unit toggle's factor

WindowTexts PositionTexts(const geometry::GeoPosition& first, const geometry::GeoPosition& second) {
    WindowTexts t;
    t.firstLatitude = geometry::FormatGeneralNumber(first.Latitude);
    t.firstLongitude = geometry::FormatGeneralNumber(-first.Longitude);
    t.secondLatitude = geometry::FormatGeneralNumber(second.Latitude);
    t.secondLongitude = geometry::FormatGeneralNumber(-second.Longitude);
    return t;
}

void SetResults(WindowTexts& t, const geometry::PathResult& r) {
    t.bearing = geometry::FormatSignedNumber(r.Bearing);
    t.distance = geometry::FormatSignedNumber(r.DistanceKm);
    t.miles = geometry::FormatWholeNumber(std::floor(r.DistanceKm / kKilometresPerMile));
}

void Append(std::uint64_t& hash, const std::string& text) {
    constexpr std::uint64_t kPrime = 0x100000001b3;
    for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * kPrime;
    hash *= kPrime;  // the terminating zero byte: "ab","c" and "a","bc" differ
}

}  // namespace

WindowTexts CalculateTexts(const std::string& first, const std::string& second,
                           geometry::PathWorkingValues& values) {
    const geometry::LocatorCheck check = geometry::CheckLocators(first, second);
    const geometry::GeoPosition p1 = geometry::DecodeLocator(check.First);
    const geometry::GeoPosition p2 = geometry::DecodeLocator(check.Second);
    WindowTexts t = PositionTexts(p1, p2);
    const geometry::PathResult r = geometry::ComputeBearingDistance(p1, p2, values);
    SetResults(t, r);
    if (check.BadInput) {
        t.bearing = t.distance = kBadInputText;
    } else if (first == second) {
        t.bearing = kEqualLocatorsBearing;
    }
    return t;
}

WindowTexts CalculateTexts(const geometry::GeoPosition& first, const geometry::GeoPosition& second,
                           geometry::PathWorkingValues& values) {
    WindowTexts t = PositionTexts(first, second);
    SetResults(t, geometry::ComputeBearingDistance(first, second, values));
    return t;
}

std::uint64_t Digest(const WindowTexts& t) {
    std::uint64_t hash = 0xcbf29ce484222325;
    for (const std::string* text : {&t.firstLatitude, &t.firstLongitude, &t.secondLatitude,
                                    &t.secondLongitude, &t.bearing, &t.distance, &t.miles})
        Append(hash, *text);
    return hash;
}

}  // namespace crosscheck
