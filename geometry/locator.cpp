#include "locator.h"

namespace geometry {
namespace {

// Character codes that anchor the decoding formulas.
constexpr int kCodeA = 65;               // "A": field letter 0
constexpr int kCodeZero = 48;            // "0": square digit 0
constexpr double kSubsquareBase = 64.5;  // "A" less one half: subsquare letters give their centre

// Degrees spanned by one step of each locator character.
constexpr int kFieldLongitude = 20;
constexpr int kFieldLatitude = 10;
constexpr int kSquareLongitude = 2;
constexpr double kSubsquaresPerLongitudeDegree = 12;
constexpr double kSubsquaresPerLatitudeDegree = 24;

// A locator of a square alone ("FN31") is taken as its subsquare "LL".
constexpr std::string_view kSquarePadding = "LL";
constexpr std::size_t kSubsquareLength = 6;
constexpr std::size_t kLongestPadded = 4;

// Copies text into working, upper-casing "a" to "z" only.
void AssignUpperCaseAscii(std::string& working, const std::string& text) {
    working.assign(text);
    for (char& c : working) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
}

// Appends the square padding to texts of one to four characters; returns whether it did.
bool PadSquare(std::string& text) {
    if (text.empty() || text.size() > kLongestPadded) return false;
    text += kSquarePadding;
    return true;
}

bool InRange(char c, char low, char high) { return c >= low && c <= high; }

// The subsquare term of a coordinate for every character code, (code - 64.5) / divisor: the
// same once-rounded quotient as computed on the spot, looked up instead of divided for speed.
struct SubsquareTerms {
    double longitude[256];
    double latitude[256];
    constexpr SubsquareTerms() : longitude(), latitude() {
        for (int code = 0; code < 256; ++code) {
            longitude[code] = (code - kSubsquareBase) / kSubsquaresPerLongitudeDegree;
            latitude[code] = (code - kSubsquareBase) / kSubsquaresPerLatitudeDegree;
        }
    }
};
constexpr SubsquareTerms kSubsquareTerms;

// The code of the character at index, or 0 when the text is shorter.
int CodeAt(const std::string& text, std::size_t index) {
    return index < text.size() ? static_cast<unsigned char>(text[index]) : 0;
}

}  // namespace

bool IsSubsquare(std::string_view text) {
    return text.size() >= kSubsquareLength && InRange(text[0], 'A', 'R') &&
           InRange(text[1], 'A', 'R') && InRange(text[2], '0', '9') &&
           InRange(text[3], '0', '9') && InRange(text[4], 'A', 'X') && InRange(text[5], 'A', 'X');
}

LocatorCheck CheckLocators(const std::string& first, const std::string& second) {
    LocatorCheck check;
    AssignUpperCaseAscii(check.First, first);
    const bool firstPadded = PadSquare(check.First);
    check.FirstTooLong = check.First.size() > kSubsquareLength;

    AssignUpperCaseAscii(check.Second, second);
    const bool secondPadded = PadSquare(check.Second);

    // Length, the digit in third place and the letters are all judged by IsSubsquare; an empty
    // or short working text fails it too.
    check.BadInput = check.FirstTooLong || check.Second.size() > kSubsquareLength ||
                     !IsSubsquare(check.First) || !IsSubsquare(check.Second);

    if (firstPadded && secondPadded) {
        check.Second += kSquarePadding;
        check.First += kSquarePadding;
    }
    return check;
}

GeoPosition DecodeLocator(const std::string& text) {
    int c[kSubsquareLength];
    for (std::size_t i = 0; i < kSubsquareLength; ++i) c[i] = CodeAt(text, i);

    // The whole-degree parts are exact in integer arithmetic; the subsquare term is one rounded
    // division (looked up), and the sum one rounded addition. Keep this order: results must
    // match to the bit.
    const int fieldAndSquareLongitude =
        -180 + (c[0] - kCodeA) * kFieldLongitude + (c[2] - kCodeZero) * kSquareLongitude;
    const int fieldAndSquareLatitude = -90 + (c[1] - kCodeA) * kFieldLatitude + c[3] - kCodeZero;

    GeoPosition position;
    position.Longitude =
        static_cast<double>(fieldAndSquareLongitude) + kSubsquareTerms.longitude[c[4]];
    position.Latitude = static_cast<double>(fieldAndSquareLatitude) + kSubsquareTerms.latitude[c[5]];
    return position;
}

}  // namespace geometry
