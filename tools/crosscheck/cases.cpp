#include "cases.h"

#include "random_locators.h"

#include <cmath>
#include <initializer_list>
#include <utility>

namespace crosscheck {
namespace {

using Texts = std::pair<const char*, const char*>;
using Positions = std::pair<geometry::GeoPosition, geometry::GeoPosition>;

// tests/geometry/path_test.cpp: the reference pairs and the due-south pairs of the guard.
constexpr Texts kPathPairs[] = {
    {"JN61FV", "JN45LL"}, {"JN45LL", "JN61FV"}, {"IO91WM", "FN20XR"}, {"FN20XR", "IO91WM"},
    {"RB32ID", "AB32ID"}, {"AB32ID", "RB32ID"}, {"JJ00AA", "JJ00BA"}, {"JJ00BA", "JJ00AA"},
    {"II99XA", "JJ00AA"}, {"JN61FA", "JN61FV"}, {"JN61FA", "JN67GM"}, {"JN61FV", "JN61FA"},
    {"JN61FU", "JN61FV"}, {"JN61FV", "JN61FU"}, {"JN61FV", "JE61FV"}, {"JE61FV", "JN61FV"},
    {"JN61FV", "AE68FC"}, {"AA00AA", "RR99XX"}, {"JN61FV", "JN61FV"}, {"JJ00AA", "JJ00AA"},
    {"JN61FV", "JL61FV"}, {"JN61FV", "JM61FV"}, {"JN61FV", "JD61FV"}};

// tests/geometry/locator_test.cpp: the checking table (padding, bad input, too long).
constexpr Texts kCheckPairs[] = {
    {"FN31PR", "IO91WM"}, {"JN61FZ", "AA00AA"}, {"FN31", "IO91WM"},   {"FN31", "IO91"},
    {"IO91WM", "FN31"},   {"FN3", "IO91WM"},    {"FN3", "IO91"},      {"FN31P", "IO91WM"},
    {"FN", "IO91WM"},     {"F", "IO91WM"},      {"", "IO91"},         {"FN31PRX", "IO91WM"},
    {"FN31PR", "IO91WMX"}, {"FNA1PR", "IO91WM"}, {"FN 1PR", "IO91WM"}, {"FN/1PR", "IO91WM"},
    {"9931ZZ", "IO91WM"}, {"FN3!PR", "IO91WM"},  {"SN31PR", "IO91WM"}, {"FN31PY", "IO91WM"},
    {"IO91WM", "ZZ99ZZ"}, {" FN31P", "IO91WM"},  {"FN31PR ", "IO91WM"}, {"", ""},
    {"FN31PR", ""},       {"AA00AA", "RR99XX"},  {"FN31P\xe9", "IO91WM"}, {"FN31", "FN31LL"}};

// tests/geometry/locator_test.cpp: the decoding examples, each as the first and as the second
// locator beside Milan.
constexpr const char* kDecodedTexts[] = {
    "AA00AA", "RR99XX", "IO91WM", "FN31PR", "FN31LL", "FN31LLLL", "JJ00LL", "FN31P",
    "FN3LL",  "ZZ99ZZ", "",       "JN61FV", "JN45LL", "\xff" "A00AA", "JN61\xff\x80"};

// tests/ui/behaviour_table.cpp: typed in lower case, which the fields upper-case before the
// press; the second pair is equal only once upper-cased.
constexpr Texts kLowerCasePairs[] = {{"JN61FV", "jn45ll"}, {"jn61fv", "JN61FV"}};

// tests/geometry/path_test.cpp: the degenerate positions.
constexpr double kPoleByTruePi = 90.00001872397223;
const Positions kDegenerate[] = {
    {{45, 0}, {45, 1}},   {{45, 1}, {45, 0}},   {{90, 0}, {-90, 0}}, {{-90, 0}, {90, 0}},
    {{90, 0}, {90, 0}},   {{-90, 0}, {-90, 0}}, {{0, 10}, {0, 10}},  {{0, 10}, {10, 10}},
    {{10, 10}, {0, 10}},  {{kPoleByTruePi, 0}, {-kPoleByTruePi, 0}},
    {{30, 0}, {-30.00000076, -179.9943079088}}, {{20, 10}, {21, 10.005729579143313}},
    {{NAN, 10}, {45, 10.5}}, {{90, 0}, {45, 10}}, {{-90, 0}, {45, 10}},
    {{0, 0}, {0, 180}}, {{0, 0}, {0, 0}}, {{90, 10}, {-90, 10}}, {{45, -0.0001}, {45, 0.0001}},
    {{0, 180}, {0, -180}}};

// tests/geometry/path_test.cpp: east longitudes either side of Greenwich, and non-finite input.
constexpr double kLongitudes[] = {0, -0.00005, -0.0005, 12.458333333333334, -0.125,
                                  179.95833333333334, -179.95833333333334};
constexpr double kNonFinite[] = {INFINITY, -INFINITY, NAN, 1e308, -1e308, 0.0, 90.0, -90.0, 1e-300};

Case ByTexts(const char* label, std::string first, std::string second) {
    Case c;
    c.label = label;
    c.first = std::move(first);
    c.second = std::move(second);
    return c;
}

// The corners of the range that decoding can give: every character code 0, every code 255.
bool WithinDecodableRange(const geometry::GeoPosition& p) {
    static const geometry::GeoPosition low = geometry::DecodeLocator("");
    static const geometry::GeoPosition high = geometry::DecodeLocator(std::string(6, '\xff'));
    return p.Latitude >= low.Latitude && p.Latitude <= high.Latitude && p.Longitude >= low.Longitude &&
           p.Longitude <= high.Longitude;
}

Case ByPositions(const char* label, const Positions& p) {
    Case c;
    c.label = label;
    c.byPosition = true;
    c.firstPosition = p.first;
    c.secondPosition = p.second;
    c.withinWindowRange = WithinDecodableRange(p.first) && WithinDecodableRange(p.second);
    return c;
}

}  // namespace

std::vector<Case> EdgeCases() {
    std::vector<Case> cases;
    for (const auto& [a, b] : kPathPairs) cases.push_back(ByTexts("path table", a, b));
    for (const auto& [a, b] : kCheckPairs) cases.push_back(ByTexts("locator check", a, b));
    for (const char* text : kDecodedTexts) {
        cases.push_back(ByTexts("decoding, first", text, "JN45LL"));
        cases.push_back(ByTexts("decoding, second", "JN45LL", text));
    }
    for (const auto& [a, b] : kLowerCasePairs) cases.push_back(ByTexts("lower case", a, b));
    for (const Positions& p : kDegenerate) cases.push_back(ByPositions("degenerate position", p));
    for (const double longitude : kLongitudes)
        cases.push_back(ByPositions("east longitude", {{45, longitude}, {45, 1}}));
    for (const double latitude : kNonFinite)
        for (const double longitude : kNonFinite)
            cases.push_back(ByPositions("non-finite position", {{latitude, longitude}, {45, 9}}));
    return cases;
}

CaseSequence::CaseSequence(std::size_t randomCount, unsigned seed)
    : edges_(EdgeCases()), randomCount_(randomCount), rng_(seed) {
    random_.label = "random";
}

const Case& CaseSequence::Next() {
    const std::size_t index = next_++;
    if (index < edges_.size()) return edges_[index];
    random_.first = testing_support::RandomLocator(rng_);
    random_.second = testing_support::RandomLocator(rng_);
    return random_;
}

}  // namespace crosscheck
