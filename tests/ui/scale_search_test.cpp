// Which scales the search tries, against windows whose texts fit from a known scale on.
#include "ui/scale_search.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ScaleSearch, TheSmallestScaleTriedThatFits) {
    const struct {
        const char* what;
        double fitsFrom;     // the texts fit at this scale and above
        double neededAtOne;  // what the measure at scale 1 says
        double found;
    } rows[] = {
        {"fits as designed", 1, 2, 1},
        {"the measure is right", 1.5, 1.5, 1.5},
        {"whole pixels ask for two steps more", 1.53, 1.5, 1.5 + 2.0 / 64},
        {"a measure below 1 starts at 1", 1.1, 0.5, 1 + 7.0 / 64},
        {"beyond the steps' reach: the last one tried", 9, 1.25, 1.25 + 63.0 / 64},
    };
    for (const auto& row : rows) {
        double laidOut = 0;
        std::vector<double> tried;
        const double found = ui::SmallestFittingScale(
            [&](double scale) {
                laidOut = scale;
                tried.push_back(scale);
            },
            [&] { return laidOut >= row.fitsFrom; }, [&] { return row.neededAtOne; });
        EXPECT_EQ(found, row.found) << row.what;
        EXPECT_EQ(laidOut, found) << row.what << ": left at the scale returned";
        EXPECT_EQ(tried.front(), 1) << row.what;
        EXPECT_LE(tried.size(), 65u) << row.what;
    }
}

}  // namespace
