// Any bytes read as a button table file: the reader must neither crash nor grow the table
// beyond its limits, reading in chunks must give what reading at once gives, and what it
// reads must save and read back to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/ButtonTableCodec.h"

namespace {

TButtonTable BlankTable()
{
    TButtonTable table;
    std::vector<std::pair<int, int>> cells;
    table.ForEachCell([&cells](int col, int row, const std::string&) { cells.emplace_back(col, row); });
    for (const auto& [col, row] : cells)
        table.SetCell(col, row, "");
    return table;
}

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    TButtonTable table;
    DecodeTableFile(table, bytes);
    Check(table.ColCount() >= 1 && table.ColCount() <= TButtonTable::MaxColCount);
    Check(table.RowCount() >= 1 && table.RowCount() <= TButtonTable::MaxRowCount);
    const auto saved = EncodeTableFile(table);

    TButtonTable chunked;
    TTableFileParser parser(chunked);
    const std::size_t split = size == 0 ? 0 : data[0] % size;
    if (parser.Feed(bytes.substr(0, split)))
        parser.Feed(bytes.substr(split));
    parser.Finish();
    Check(EncodeTableFile(chunked) == saved);

    auto again = BlankTable();
    DecodeTableFile(again, saved);
    Check(EncodeTableFile(again) == saved);
    return 0;
}
