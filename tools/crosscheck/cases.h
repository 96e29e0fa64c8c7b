// The pairs compared: every edge case of the geometry tests and a few typed ones of the behaviour
// table, then pseudo-random valid locators.
#pragma once

#include "geometry/locator.h"

#include <cstddef>
#include <random>
#include <string>
#include <vector>

namespace crosscheck {

// Two locator texts as typed, or (for the tests' position cases) two positions, which no text
// leads to: those reach the geometry alone, not the window.
struct Case {
    std::string label;  // the test row it comes from; "random" for the random pairs
    bool byPosition = false;
    // True when the window can come to this case: typed texts, or positions within the range
    // that texts decode to. Positions beyond it (the tests' huge and non-finite ones) only
    // exercise the computation.
    bool withinWindowRange = true;
    std::string first, second;
    geometry::GeoPosition firstPosition, secondPosition;
};

// The pairs and positions that the tests hold, in a fixed order.
std::vector<Case> EdgeCases();

// Every case in order: EdgeCases(), then `randomCount` pairs of RandomLocator (the tests'
// generator) drawn first then second from one generator seeded with `seed`.
class CaseSequence {
public:
    CaseSequence(std::size_t randomCount, unsigned seed);
    std::size_t Size() const { return edges_.size() + randomCount_; }
    // The next case; call at most Size() times.
    const Case& Next();

private:
    std::vector<Case> edges_;
    std::size_t randomCount_;
    std::size_t next_ = 0;
    std::mt19937 rng_;
    Case random_;
};

}  // namespace crosscheck
