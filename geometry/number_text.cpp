#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace geometry {
namespace {

constexpr int kSignificantDigits = 15;
// Decimal exponents beyond which a number certainly overflows, or certainly underflows to 0.
constexpr std::int64_t kOverflowExponent = 310;
constexpr std::int64_t kUnderflowExponent = -330;
// An exponent is only summed up to this size; anything larger over- or underflows anyway.
constexpr std::int64_t kExponentSaturation = 1'000'000'000;

bool IsIgnoredBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Walks the text character by character, skipping the blanks that the reading rule ignores.
class BlankSkippingReader {
public:
    explicit BlankSkippingReader(std::string_view text) : text_(text) { SkipBlanks(); }
    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
    void Advance() {
        ++pos_;
        SkipBlanks();
    }
    std::size_t Position() const { return pos_; }
    void Rewind(std::size_t pos) { pos_ = pos; }

private:
    void SkipBlanks() {
        while (!AtEnd() && IsIgnoredBlank(text_[pos_])) ++pos_;
    }
    std::string_view text_;
    std::size_t pos_ = 0;
};

// A decimal number as significant digits and the power of ten of its first digit's place:
// value = 0.<digits> x 10^exponent.
struct DecimalNumber {
    bool negative = false;
    std::string digits;  // no leading or trailing zeros; empty for zero
    std::int64_t exponent = 0;
};

void ReadMantissa(BlankSkippingReader& in, DecimalNumber& number) {
    bool seenPoint = false;
    std::int64_t integerDigits = 0;
    for (;; in.Advance()) {
        const char c = in.Peek();
        if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else if (IsDigit(c)) {
            if (number.digits.empty() && c == '0') {
                if (seenPoint) --number.exponent;  // a leading zero after the point
            } else {
                number.digits.push_back(c);
                if (!seenPoint) ++integerDigits;
            }
        } else {
            break;
        }
    }
    number.exponent += integerDigits;
    while (!number.digits.empty() && number.digits.back() == '0') number.digits.pop_back();
}

// Reads "E+12", "d-3" and the like; leaves the reader before the letter when no digit follows.
std::int64_t ReadExponent(BlankSkippingReader& in) {
    const char letter = in.Peek();
    if (letter != 'E' && letter != 'e' && letter != 'D' && letter != 'd') return 0;
    const std::size_t start = in.Position();
    in.Advance();
    bool negative = false;
    if (in.Peek() == '+' || in.Peek() == '-') {
        negative = in.Peek() == '-';
        in.Advance();
    }
    if (!IsDigit(in.Peek())) {
        in.Rewind(start);
        return 0;
    }
    std::int64_t exponent = 0;
    for (; IsDigit(in.Peek()); in.Advance()) {
        if (exponent < kExponentSaturation) exponent = exponent * 10 + (in.Peek() - '0');
    }
    return negative ? -exponent : exponent;
}

std::optional<double> ToDouble(const DecimalNumber& number) {
    if (number.digits.empty() || number.exponent < kUnderflowExponent) return 0.0;
    if (number.exponent > kOverflowExponent) return std::nullopt;
    const std::string text = "0." + number.digits + "e" + std::to_string(number.exponent);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (number.exponent > 0) return std::nullopt;
        value = 0;
    }
    return number.negative ? -value : value;
}

}  // namespace

std::string FormatGeneralNumber(double x) {
    if (!std::isfinite(x)) return FormatWholeNumber(x);
    char buffer[64];
    // d.dddddddddddddde+XX: the 15 significant digits, correctly rounded, and the exponent.
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const bool negative = text.front() == '-';
    const std::size_t ePos = text.find('e');
    std::string digits;
    for (char c : text.substr(0, ePos)) {
        if (IsDigit(c)) digits.push_back(c);
    }
    int exponent = 0;
    const std::string_view exponentText = text.substr(ePos + 1);
    std::from_chars(exponentText.data() + (exponentText.front() == '+' ? 1 : 0),
                    exponentText.data() + exponentText.size(), exponent);
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    if (digits.empty()) return "0";

    std::string out = negative ? "-" : "";
    if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    } else {
        const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            out += digits;
            out.append(integerDigits - digits.size(), '0');
        } else {
            out += digits.substr(0, integerDigits);
            out += '.';
            out += digits.substr(integerDigits);
        }
    }
    return out;
}

std::string FormatWholeNumber(double n) {
    if (n == 0) return "0";  // also for -0: a floor of a tiny negative quotient must not show "-0"
    // A double has at most 309 integer digits; 400 leaves room for the sign.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, n, std::chars_format::fixed, 0);
    return std::string(buffer, result.ptr);
}

std::string FormatSignedNumber(double n) {
    if (n < 0) return FormatWholeNumber(n);
    // Appended rather than " " + digits, whose insertion at the front GCC 12 misreads as an
    // overlapping copy (-Wrestrict) once inlined.
    std::string text = " ";
    text += FormatWholeNumber(n);
    return text;
}

std::optional<double> ReadLeadingNumber(std::string_view text) {
    BlankSkippingReader in(text);
    DecimalNumber number;
    if (in.Peek() == '+' || in.Peek() == '-') {
        number.negative = in.Peek() == '-';
        in.Advance();
    }
    ReadMantissa(in, number);
    const std::int64_t exponent = ReadExponent(in);
    number.exponent += exponent;
    return ToDouble(number);
}

}  // namespace geometry
