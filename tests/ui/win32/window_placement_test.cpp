// Where the window opens on a work area: centred, but never starting above or left of it, so that
// its title bar stays where the mouse can take it.
#include "ui/win32/window_placement.h"

#include <gtest/gtest.h>

namespace {

struct Row {
    const char* name;
    RECT work;
    SIZE frame;
    POINT expected;
};

// 1366 x 768 with a 40 px taskbar at the bottom, at the top or at the left.
constexpr RECT kBelow{0, 0, 1366, 728}, kAbove{0, 40, 1366, 768}, kLeft{60, 0, 1366, 768};

const Row kRows[] = {
    {"fits: centred", kBelow, {508, 456}, {429, 136}},
    {"fits with an odd pixel: the extra one right and below", kBelow, {509, 457}, {428, 135}},
    {"fits exactly", kBelow, {1366, 728}, {0, 0}},
    {"taller: at the top, centred across", kBelow, {700, 900}, {333, 0}},
    {"taller, taskbar above: below the taskbar", kAbove, {700, 900}, {333, 40}},
    {"wider: at the left, centred down", kBelow, {1400, 500}, {0, 114}},
    {"wider, taskbar left: right of the taskbar", kLeft, {1400, 500}, {60, 134}},
    {"larger both ways: at the top left", kAbove, {1500, 900}, {0, 40}},
};

TEST(WindowPlacement, CentredButNeverBeforeTheWorkArea) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        const POINT at = ui::win32::FramePositionOn(row.work, row.frame);
        EXPECT_EQ(at.x, row.expected.x);
        EXPECT_EQ(at.y, row.expected.y);
    }
}

}  // namespace
