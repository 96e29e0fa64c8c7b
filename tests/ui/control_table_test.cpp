// The control table's derived facts: twips at the window's scale, and the texts the window must
// fit. (The tab chain is a row of the behaviour table.)
#include "ui/caption_table.h"
#include "ui/control_table.h"
#include "ui/fitted_texts.h"

#include <gtest/gtest.h>

#include <vector>

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

// The window is scaled until every caption fits in either language, whichever is the wider.
TEST(ControlTable, TextsToFitHoldEveryCaptionInBothLanguages) {
    const std::vector<ui::ControlText> texts = ui::TextsToFit();
    const auto holds = [&texts](ui::Control control, std::u16string_view text) {
        for (const ui::ControlText& fit : texts) {
            if (fit.control == control && fit.text == text) return true;
        }
        return false;
    };
    for (const ui::CaptionRow& row : ui::CaptionTable()) {
        EXPECT_TRUE(holds(row.control, row.italian)) << ui::RowOf(row.control).name;
        EXPECT_TRUE(holds(row.control, row.english)) << ui::RowOf(row.control).name;
    }
    for (std::u16string_view unit : {u"Km", u"Miglia", u"Miles"}) EXPECT_TRUE(holds(Label3, unit));
    for (ui::Control field : {Text1, Text3, Text5, Text6}) {
        EXPECT_TRUE(holds(field, u" 19970") && holds(field, u"??????")) << ui::RowOf(field).name;
    }
}

}  // namespace
