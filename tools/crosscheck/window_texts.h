// The texts one press of Calculate puts into the window, and the working values behind them.
#pragma once

#include "geometry/locator.h"
#include "geometry/path.h"

#include <cstdint>
#include <string>

namespace crosscheck {

struct WindowTexts {
    std::string firstLatitude, firstLongitude;    // Text7, Text2: longitude west positive
    std::string secondLatitude, secondLongitude;  // Text4, Text8
    std::string bearing, distance;                // Text1, Text6: "??????" after bad input
    std::string miles;                            // Text6 after one click on the ruler
};

// For the two locator fields' texts as they stand (already upper-cased by the fields): the
// coordinate texts of both working texts, the results or the bad-input marks, the equal-locator
// "0", and the distance in miles of the unit toggle.
WindowTexts CalculateTexts(const std::string& first, const std::string& second,
                           geometry::PathWorkingValues& values);

// The same for two positions given directly (no locator check, never bad input).
WindowTexts CalculateTexts(const geometry::GeoPosition& first, const geometry::GeoPosition& second,
                           geometry::PathWorkingValues& values);

// A 64-bit FNV-1a digest of every text, each ended by a zero byte.
std::uint64_t Digest(const WindowTexts& texts);

}  // namespace crosscheck
