// The texts the window shows after one press of Calculate, and the working values behind them.
#pragma once

#include "geometry/locator.h"
#include "geometry/path.h"

#include <cstdint>
#include <string>

namespace crosscheck {

struct WindowTexts {
    std::u16string firstLatitude, firstLongitude;    // Text7, Text2
    std::u16string secondLatitude, secondLongitude;  // Text4, Text8
    std::u16string bearing, distance;                // Text1, Text6
    std::u16string miles;                            // Text6 after one click on the ruler
};

// Writes the two locator texts into the fields of a freshly opened window (whose change handlers
// upper-case them), presses Calculate, reads the texts, clicks the ruler and reads the distance
// again: all of it the window's own logic. The working values come from the geometry, for the
// positions that the fields' texts decode to.
WindowTexts CalculateTexts(const std::string& first, const std::string& second,
                           geometry::PathWorkingValues& values);

// For two positions given directly, which no typed text leads to: only the geometry's own number
// texts, of the positions as they are (east positive) and of the bearing and distance; no miles.
WindowTexts CalculateTexts(const geometry::GeoPosition& first, const geometry::GeoPosition& second,
                           geometry::PathWorkingValues& values);

// A 64-bit FNV-1a digest of every text, a step per UTF-16 unit, each text ended by a zero.
std::uint64_t Digest(const WindowTexts& texts);

}  // namespace crosscheck
