// The control table's derived facts: twips at the window's scale. (The tab chain is a row of the
// behaviour table.)
#include "ui/control_table.h"

#include <gtest/gtest.h>

namespace {

using enum ui::Control;

TEST(ControlTable, TwipsToPixelsRoundsToTheNearest) {
    EXPECT_EQ(ui::TwipsToPixels(7380), 492);
    EXPECT_EQ(ui::TwipsToPixels(6255), 417);
    EXPECT_EQ(ui::TwipsToPixels(370), 25) << "24.67";
    EXPECT_EQ(ui::TwipsToPixels(3650), 243) << "243.33";
    EXPECT_EQ(ui::TwipsToPixels(7380, 1.5), 738);
    EXPECT_EQ(ui::TwipsToPixels(375, 1.06), 27) << "26.5 rounds up";
    EXPECT_EQ(ui::TwipsToPixels(ui::RowOf(Picture4), 2), (ui::PixelRect{720, 487, 205, 66}));
}

}  // namespace
