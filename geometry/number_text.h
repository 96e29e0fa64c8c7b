// The program's number-to-text and text-to-number rules. None depends on the user's regional
// settings: the decimal separator is always the full stop.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace geometry {

// x rounded to 15 significant digits in fixed notation, without trailing zeros or a trailing
// separator, "-" before negative values, at least one digit before the separator:
// 41.895833333333336 gives "41.8958333333333", 0.125 gives "0.125", -12.5 gives "-12.5".
// Magnitudes of 10^15 and more are written in full, zeros after the 15th digit.
std::string FormatGeneralNumber(double x);

// A whole number n as " 326": one blank where a negative number carries its "-", then the digits.
std::string FormatSignedNumber(double n);

// A whole number as its plain digits, "-" before negative values, no blank: "302", "-63".
// Every digit of the value held is written, however large.
std::string FormatWholeNumber(double n);

// The number at the start of text: blanks, tabs and line feeds are ignored wherever they stand;
// then an optional sign, digits with at most one "." as decimal point, and an optional exponent
// (E or D in either case, optional sign, digits). Reading stops at the first character that
// does not fit. A text that does not start with a number gives 0. No value when the number
// does not fit a double (overflow); a number too small for a double gives 0.
std::optional<double> ReadLeadingNumber(std::string_view text);

}  // namespace geometry
