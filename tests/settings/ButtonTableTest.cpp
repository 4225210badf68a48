#include <gtest/gtest.h>

#include <vector>

#include "settings/ButtonTable.h"

namespace {

TEST(ButtonTable, AsCreatedHoldsTheHeadersAndWidths)
{
    const TButtonTable table;
    EXPECT_EQ(table.ColCount(), 5);
    EXPECT_EQ(table.RowCount(), 16);
    EXPECT_EQ(table.FixedCols(), 1);
    EXPECT_EQ(table.FixedRows(), 1);
    const int widths[] = {25, 104, 196, 114, 67};
    for (int col = 0; col < 5; ++col)
        EXPECT_EQ(table.ColWidths(col), widths[col]);
    const char* headers[] = {"#", "Button Caption", "Program File", "Parameter", "Password"};
    for (int col = 0; col < 5; ++col)
        EXPECT_EQ(table.GetCell(col, 0), headers[col]);
    for (int row = 1; row <= 15; ++row) {
        EXPECT_EQ(table.GetCell(0, row), std::to_string(row) + ".");
        for (int col = 1; col < 5; ++col)
            EXPECT_EQ(table.GetCell(col, row), "");
    }
}

TEST(ButtonTable, CellsOutsideReadEmptyAndCannotBeSet)
{
    TButtonTable table;
    std::vector<std::pair<int, int>> changed;
    table.OnCellChanged = [&](int col, int row) { changed.emplace_back(col, row); };
    for (const auto& [col, row] : {std::pair{5, 1}, {1, 16}, {-1, 0}, {0, -1}, {1000000, 1000000}}) {
        table.SetCell(col, row, "x");
        EXPECT_EQ(table.GetCell(col, row), "");
    }
    EXPECT_TRUE(changed.empty());
    table.SetCell(4, 15, "pw");
    EXPECT_EQ(table.GetCell(4, 15), "pw");
    EXPECT_EQ(changed, (std::vector<std::pair<int, int>>{{4, 15}}));
}

TEST(ButtonTable, DimensionsStayBetweenOneAndTheLimit)
{
    TButtonTable table;
    table.SetColCount(0);
    table.SetRowCount(-5);
    EXPECT_EQ(table.ColCount(), 1);
    EXPECT_EQ(table.RowCount(), 1);
    EXPECT_EQ(table.FixedCols(), 0);
    EXPECT_EQ(table.FixedRows(), 0);
    table.SetColCount(2000000000);
    table.SetRowCount(2000000000);
    EXPECT_EQ(table.ColCount(), TButtonTable::MaxColCount);
    EXPECT_EQ(table.RowCount(), TButtonTable::MaxRowCount);
}

TEST(ButtonTable, ShrinkingDiscardsWhatFallsOutsideAndGrowingStartsEmpty)
{
    TButtonTable table;
    table.SetCell(4, 15, "pw");
    table.SetColWidths(4, 99);
    table.SetColCount(3);
    table.SetRowCount(10);
    EXPECT_EQ(table.ColWidths(4), 0);
    table.SetColCount(7);
    table.SetRowCount(20);
    EXPECT_EQ(table.GetCell(4, 15), "");
    EXPECT_EQ(table.GetCell(0, 15), "");
    EXPECT_EQ(table.GetCell(0, 9), "9.");
    EXPECT_EQ(table.ColWidths(2), 196);
    EXPECT_EQ(table.ColWidths(4), TButtonTable::DefaultColWidth);
    EXPECT_EQ(table.ColWidths(6), TButtonTable::DefaultColWidth);
}

}  // namespace
