#include "settings/ButtonTable.h"

#include <algorithm>

namespace {

int Clamp(int count, int maximum)
{
    return std::clamp(count, 1, maximum);
}

}  // namespace

TButtonTable::TButtonTable() : colWidths_{25, 104, 196, 114, 67}
{
    const char* const headers[] = {"#", "Button Caption", "Program File", "Parameter", "Password"};
    for (int col = 0; col < DefaultColCount; ++col)
        cells_[{0, col}] = headers[col];
    for (int row = 1; row < DefaultRowCount; ++row)
        cells_[{row, 0}] = std::to_string(row) + ".";
}

void TButtonTable::SetColCount(int count)
{
    count = Clamp(count, MaxColCount);
    if (count == ColCount())
        return;
    colWidths_.resize(static_cast<std::size_t>(count), DefaultColWidth);
    std::erase_if(cells_, [count](const auto& cell) { return cell.first.second >= count; });
    Changed();
}

void TButtonTable::SetRowCount(int count)
{
    count = Clamp(count, MaxRowCount);
    if (count == rowCount_)
        return;
    rowCount_ = count;
    cells_.erase(cells_.lower_bound({count, 0}), cells_.end());
    Changed();
}

int TButtonTable::ColWidths(int col) const
{
    return col >= 0 && col < ColCount() ? colWidths_[static_cast<std::size_t>(col)] : 0;
}

void TButtonTable::SetColWidths(int col, int width)
{
    if (col < 0 || col >= ColCount())
        return;
    colWidths_[static_cast<std::size_t>(col)] = width;
    Changed();
}

bool TButtonTable::Contains(int col, int row) const
{
    return col >= 0 && col < ColCount() && row >= 0 && row < rowCount_;
}

std::string TButtonTable::GetCell(int col, int row) const
{
    const auto found = cells_.find({row, col});
    return found == cells_.end() ? std::string() : found->second;
}

void TButtonTable::SetCell(int col, int row, const std::string& text)
{
    if (!Contains(col, row))
        return;
    if (text.empty())
        cells_.erase({row, col});
    else
        cells_[{row, col}] = text;
    if (OnCellChanged)
        OnCellChanged(col, row);
}

void TButtonTable::ForEachCell(const std::function<void(int col, int row, const std::string& text)>& visit) const
{
    for (const auto& [key, text] : cells_)
        visit(key.second, key.first, text);
}

void TButtonTable::Changed() const
{
    if (OnChanged)
        OnChanged();
}
