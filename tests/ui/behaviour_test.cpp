// The behaviour table on the in-memory window: the window's logic alone, with no toolkit.
#include "behaviour_table.h"
#include "memory_window.h"

#include <gtest/gtest.h>

namespace {

class MemoryWindowBehaviour : public testing::TestWithParam<behaviour::Row> {};

TEST_P(MemoryWindowBehaviour, Row) {
    behaviour::MemoryWindow window;
    behaviour::Run(GetParam(), window);
    EXPECT_LE(window.deepestNesting, 2) << "a change handler nested more than once";
}

INSTANTIATE_TEST_SUITE_P(Window, MemoryWindowBehaviour, testing::ValuesIn(behaviour::Rows()),
                         [](const auto& info) { return behaviour::RowName(info.param); });

}  // namespace
