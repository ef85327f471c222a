#include "core/system/system_table.h"

#include <gtest/gtest.h>

namespace lorvex {
namespace {

TEST(SystemTable, SortsRowsNumericallyButNeverWithinARow) {
    SystemTable table;
    table.appendRow({5, 4, 3, 2, 1, 6});
    table.appendRow({1, 2, 3, 4, 5, 10});
    table.appendRow({1, 2, 3, 4, 5, 9});  // 9 before 10: numbers, not text
    table.appendRow({1, 2, 3, 4, 5, 9});
    table.sortRows();
    ASSERT_EQ(table.rowCount(), 4);
    EXPECT_EQ(table.row(1), (SystemRow{1, 2, 3, 4, 5, 9}));
    EXPECT_EQ(table.row(2), (SystemRow{1, 2, 3, 4, 5, 9}));
    EXPECT_EQ(table.row(3), (SystemRow{1, 2, 3, 4, 5, 10}));
    EXPECT_EQ(table.row(4), (SystemRow{5, 4, 3, 2, 1, 6}));
    EXPECT_EQ(table.number(4, 1), 5);
    EXPECT_EQ(table.highestNumber(), 10);
}

TEST(SystemTable, HighestNumberCountsUnusedLowNumbers) {
    SystemTable table;
    table.appendRow({11, 12, 13, 14, 15, 20});
    EXPECT_EQ(table.highestNumber(), 20);
}

TEST(SystemTable, AcceptsExactlyTheRowLimit) {
    SystemTable table;
    for (int i = 0; i < MAX_SYSTEM_ROWS; ++i) {
        ASSERT_EQ(table.appendRow({1, 2, 3, 4, 5, 6}), SystemTable::AppendResult::Stored);
    }
    EXPECT_EQ(table.appendRow({7, 8, 9, 10, 11, 49}), SystemTable::AppendResult::Overflow);
    EXPECT_EQ(table.rowCount(), MAX_SYSTEM_ROWS);
    EXPECT_EQ(table.highestNumber(), 6);  // the refused row stored nothing
}

TEST(SystemTable, ClearForgetsEverything) {
    SystemTable table;
    table.appendRow({49, 49, 49, 49, 49, 49});
    table.clear();
    EXPECT_EQ(table.rowCount(), 0);
    EXPECT_EQ(table.highestNumber(), 0);
    EXPECT_TRUE(table.rows().empty());
    table.appendRow({1, 1, 1, 1, 1, 2});
    EXPECT_EQ(table.highestNumber(), 2);
}

}  // namespace
}  // namespace lorvex
