// The table of texts behind the settings dialog's button grid: row n (1..15) is menu slot
// n; columns 1 caption, 2 program file, 3 parameter text, 4 password; row 0 and column 0
// hold the headers. Only cells that hold text take storage.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

class TButtonTable {
public:
    static constexpr int DefaultColCount = 5;
    static constexpr int DefaultRowCount = 16;
    // The width a column gets when the table grows to include it.
    static constexpr int DefaultColWidth = 64;
    // Dimensions are kept within these, whatever a file asks for: a file is untrusted
    // input, and the grid and the next save should stay of a sensible size.
    static constexpr int MaxColCount = 256;
    static constexpr int MaxRowCount = 65536;

    // As created: 5 x 16, column widths 25, 104, 196, 114, 67, the column headers in row 0
    // and "#", "1." .. "15." in column 0.
    TButtonTable();

    int ColCount() const { return static_cast<int>(colWidths_.size()); }
    int RowCount() const { return rowCount_; }
    // Counts below 1 become 1, counts above the maximum the maximum. Cells and widths
    // outside a reduced table are discarded.
    void SetColCount(int count);
    void SetRowCount(int count);
    // The grid shows one header row and one header column while the axis has more than one.
    int FixedRows() const { return rowCount_ > 1 ? 1 : 0; }
    int FixedCols() const { return ColCount() > 1 ? 1 : 0; }

    // Width of a column; 0 for a column outside the table.
    int ColWidths(int col) const;
    // Ignored for a column outside the table.
    void SetColWidths(int col, int width);

    // The empty text for a cell that was never set or lies outside the table.
    std::string GetCell(int col, int row) const;
    // Ignored for a cell outside the table.
    void SetCell(int col, int row, const std::string& text);
    // Calls visit(col, row, text) for every cell that holds text, row by row and within a
    // row from column 0 up.
    void ForEachCell(const std::function<void(int col, int row, const std::string& text)>& visit) const;

    // A cell's text was replaced: the grid repaints that cell.
    std::function<void(int col, int row)> OnCellChanged;
    // Dimensions, column widths or the whole content changed: the grid repaints all of it.
    std::function<void()> OnChanged;
    void Changed() const;

private:
    bool Contains(int col, int row) const;

    int rowCount_ = DefaultRowCount;
    std::vector<int> colWidths_;
    std::map<std::pair<int, int>, std::string> cells_;  // key (row, col): the file's order
};
