// Area averaging: each result pixel is the mean of the part of the picture it covers, in every
// channel, whichever way the picture is scaled.
#include "ui/win32/smooth_scaling.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <vector>

namespace {

using ui::win32::Pixels;

// A picture of grey pixels (blue = green = red = the value), opaque, row by row.
Pixels Grey(int width, int height, const std::vector<int>& values) {
    Pixels p{width, height, {}};
    for (const int v : values) {
        const auto c = static_cast<std::uint8_t>(v);
        p.bgra.insert(p.bgra.end(), {c, c, c, 255});
    }
    return p;
}

std::vector<int> Greys(const Pixels& p) {
    std::vector<int> values;
    for (std::size_t i = 0; i < p.bgra.size(); i += 4) values.push_back(p.bgra[i]);
    return values;
}

struct Case {
    const char* name;
    Pixels source;
    int width, height;
    std::vector<int> expected;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class SmoothScaling : public testing::TestWithParam<Case> {};

TEST_P(SmoothScaling, AveragesTheCoveredArea) {
    const Case& c = GetParam();
    const Pixels scaled = ui::win32::ScaledSmoothly(c.source, c.width, c.height);
    ASSERT_EQ(scaled.width, c.width);
    ASSERT_EQ(scaled.height, c.height);
    EXPECT_EQ(Greys(scaled), c.expected);
    for (std::size_t i = 3; i < scaled.bgra.size(); i += 4) EXPECT_EQ(scaled.bgra[i], 255) << "opaque stays opaque";
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, SmoothScaling,
    testing::Values(
        Case{"SameSizeUnchanged", Grey(2, 1, {10, 200}), 2, 1, {10, 200}},
        // Half the size: the mean of each pair, 127.5 rounded to the nearest.
        Case{"HalfWidth", Grey(4, 1, {0, 255, 0, 255}), 2, 1, {128, 128}},
        Case{"HalfBothWays", Grey(2, 2, {0, 40, 80, 120}), 1, 1, {60}},
        // Three quarters, the case of a 144 dpi screen from the double-size drawing: each result
        // pixel covers one and a third source pixels.
        Case{"ThreeQuarters", Grey(4, 1, {0, 255, 0, 255}), 3, 1, {64, 128, 191}},
        // Larger: a result pixel within one source pixel takes its value, one across two blends.
        Case{"OneAndAHalf", Grey(2, 1, {0, 255}), 3, 1, {0, 128, 255}},
        Case{"Taller", Grey(1, 2, {90, 30}), 1, 4, {90, 90, 30, 30}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SmoothScalingChannels, EachChannelOnItsOwn) {
    const Pixels source{2, 1, {10, 20, 30, 0, 30, 60, 90, 255}};  // blue, green, red, alpha
    const Pixels scaled = ui::win32::ScaledSmoothly(source, 1, 1);
    EXPECT_EQ(scaled.bgra, (std::vector<std::uint8_t>{20, 40, 60, 128}));
}

}  // namespace
