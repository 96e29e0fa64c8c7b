// Which scales the search tries, against windows whose texts fit from a known scale on, and which
// texts decide the scale, against a measure in which one text is too large for its control.
#include "ui/scale_search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using enum ui::Control;

// Every box is 100 x 20 pixels at scale 1, all of it room for text; every text is 10 x 10 but
// one, which has an extent of its own.
class OneLargeText final : public ui::TextMeasure {
public:
    OneLargeText(ui::Control control, std::u16string_view text, ui::PixelSize extent)
        : control_(control), text_(text), extent_(extent) {}

    double scale = 1;  // as the window is laid out now

    ui::PixelSize Box(ui::Control) const override { return {Pixels(100), Pixels(20)}; }
    ui::PixelSize Room(ui::Control control) const override { return Box(control); }
    ui::PixelSize Extent(ui::Control control, std::u16string_view text) const override {
        return control == control_ && text == text_ ? extent_ : ui::PixelSize{10, 10};
    }

private:
    int Pixels(int atOne) const { return static_cast<int>(std::lround(atOne * scale)); }

    ui::Control control_;
    std::u16string_view text_;
    ui::PixelSize extent_;
};

// A text as wide as its box lacks the spare pixel: the window grows by one pixel in a hundred. So
// for a caption in either language, a unit word or the widest texts of the fields; a text as tall
// as its box grows it by one in twenty; a text the window never shows leaves it as designed.
TEST(ScaleSearch, EveryTextTheWindowShowsDecides) {
    const struct {
        ui::Control control;
        std::u16string_view text;
        ui::PixelSize extent;
        double scale;
    } rows[] = {
        {Command1, u"Calcola", {100, 10}, 1.01}, {Command1, u"Calculate", {100, 10}, 1.01},
        {Label3, u"Miles", {100, 10}, 1.01},     {Text6, u" 19970", {100, 10}, 1.01},
        {Text3, u"MM00WW", {10, 20}, 1.05},      {Text1, u"JN61FV JN45LL", {100, 10}, 1},
    };
    for (const auto& row : rows) {
        OneLargeText measure(row.control, row.text, row.extent);
        const double scale = ui::SmallestFittingScale(ui::TextsToFit(), measure, [&](double s) { measure.scale = s; });
        EXPECT_DOUBLE_EQ(scale, row.scale) << ui::RowOf(row.control).name << " " << testing::PrintToString(row.text);
    }
}

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
