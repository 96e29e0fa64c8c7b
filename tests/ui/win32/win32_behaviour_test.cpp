// The behaviour table on the real Win32 window: keys, clicks and pastes as Windows posts them,
// through the program's own message loop step.
#include "window_fixture.h"

#include "../behaviour_table.h"

namespace {

class Win32Behaviour : public Win32WindowTest, public testing::WithParamInterface<behaviour::Row> {};

TEST_P(Win32Behaviour, Row) {
    behaviour::Run(GetParam(), *driver);
    EXPECT_LE(driver->DeepestNesting(), 2) << "a change handler nested more than once";
}

INSTANTIATE_TEST_SUITE_P(Window, Win32Behaviour, testing::ValuesIn(behaviour::Rows()),
                         [](const auto& info) { return behaviour::RowName(info.param); });

}  // namespace
