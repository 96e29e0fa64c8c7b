// Maidenhead locators: checking the two typed texts and decoding a text to a position.
//
// Conventions:
//   - Texts are byte strings, one character per byte, in Latin-1 (codes 0 to 255). Only the
//     letters "a" to "z" are ever upper-cased; every other byte is kept as it is.
//   - A locator names a subsquare: field letter A-R, field letter A-R, digit, digit,
//     subsquare letter A-X, subsquare letter A-X (longitude first in each pair).
//   - Positions are in degrees, latitude north-positive, longitude east-positive.
#pragma once

#include <string>
#include <string_view>

namespace geometry {

// The outcome of checking the two locator texts.
struct LocatorCheck {
    std::string First;          // working text of the first (own) locator
    std::string Second;         // working text of the second (remote) locator
    bool FirstTooLong = false;  // the first text is longer than six characters
    bool BadInput = false;      // either text does not name a subsquare
};

// Upper-cases both texts, pads a four-character square (or any 1 to 4 characters) with "LL",
// and judges them. When both were padded, each gets a second "LL", so "FN31" with "IO91"
// gives "FN31LLLL" and "IO91LLLL"; only the first six characters are ever decoded.
//   first:  the own station's locator as typed (not trimmed)
//   second: the remote station's locator as typed (not trimmed)
// BadInput is set when either working text is empty, longer than six characters as typed
// and padded, or its first six characters are not a subsquare (see conventions); a working
// text shorter than six characters (typed with 3 or 5) is bad. FirstTooLong is set only for
// a first text longer than six characters. The working texts are returned even when bad.
LocatorCheck CheckLocators(const std::string& first, const std::string& second);

// A point on the sphere, in degrees.
struct GeoPosition {
    double Latitude = 0;   // degrees, north positive
    double Longitude = 0;  // degrees, east positive
};

// Decodes the first six characters of a working text to the centre of the subsquare they name.
// Any text decodes: a missing character counts as code 0 and there is no range check, so a
// malformed text yields a position outside the globe rather than an error.
GeoPosition DecodeLocator(const std::string& text);

// True when the first six characters of text form a subsquare (A-R, A-R, 0-9, 0-9, A-X, A-X).
bool IsSubsquare(std::string_view text);

}  // namespace geometry
