#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/ButtonTableCodec.h"

namespace {

std::string Lines(const std::vector<std::string>& lines)
{
    std::string file;
    for (const auto& line : lines)
        file += line + "\r\n";
    return file;
}

const std::vector<std::string> headerLines = {
    "5,16", "cw 0,25", "cw 1,104", "cw 2,196", "cw 3,114", "cw 4,67",
    "0,0,#", "1,0,Button Caption", "2,0,Program File", "3,0,Parameter", "4,0,Password",
};

std::vector<std::string> RowHeaderLines(int from)
{
    std::vector<std::string> lines;
    for (int row = from; row <= 15; ++row)
        lines.push_back("0," + std::to_string(row) + "," + std::to_string(row) + ".");
    return lines;
}

TEST(TableFileCodec, WritesTheTableAsCreatedIn26Lines)
{
    auto expected = headerLines;
    for (const auto& line : RowHeaderLines(1))
        expected.push_back(line);
    ASSERT_EQ(expected.size(), 26u);
    EXPECT_EQ(EncodeTableFile(TButtonTable()), Lines(expected));
}

TEST(TableFileCodec, WritesTheNotepadExampleByteForByte)
{
    TButtonTable table;
    table.SetCell(1, 1, "Notepad");
    table.SetCell(2, 1, "C:\\WINDOWS\\notepad.exe");
    table.SetCell(3, 1, "$FFCC00 readme.txt");
    auto expected = headerLines;
    for (const char* line : {"0,1,1.", "1,1,Notepad", "2,1,C:\\WINDOWS\\notepad.exe", "3,1,$FFCC00 readme.txt"})
        expected.push_back(line);
    for (const auto& line : RowHeaderLines(2))
        expected.push_back(line);
    ASSERT_EQ(expected.size(), 29u);
    EXPECT_EQ(EncodeTableFile(table), Lines(expected));
}

TEST(TableFileCodec, EncodesLineBreaksSoThatTheyReadBack)
{
    struct TCase {
        std::string text;
        std::string written;
        std::string readBack;
    };
    const TCase cases[] = {
        {"plain text", "plain text", "plain text"},
        {"a\tb", "a\tb", "a\tb"},                       // TAB without CR: unchanged both ways
        {"Two\r\nlines", "Two\t\blines", "Two"},        // CR LF: TAB BS, first line only
        {"lone\rCR", "lone\tCR", "lone\tCR"},         // no BS, so the reader keeps the TAB
        {"first\nsecond\nthird", "first\bsecond\bthird", "first\nsecond\nthird"},  // LF alone: whole
        {"a\tb\nc", "a b\bc", "a b\nc"},                // TAB would read back as a line end
        {"end\x1A" "after", "end?after", "end?after"},  // 0x1A would end the file
        {"x\x1A\r\ny", "x?\t\by", "x?"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeCellText(c.text), c.written);
        TButtonTable table;
        table.SetCell(1, 1, c.text);
        table.SetCell(2, 1, "next");
        TButtonTable loaded;
        DecodeTableFile(loaded, EncodeTableFile(table));
        EXPECT_EQ(loaded.GetCell(1, 1), c.readBack);
        EXPECT_EQ(loaded.GetCell(2, 1), "next") << "after " << c.written;
    }
}

// What a table as created holds after reading the file.
struct TReadCase {
    const char* name;
    std::string file;
    int cols, rows;
    std::vector<std::tuple<int, int, std::string>> cells;  // (col, row, text) expected
    std::vector<std::pair<int, int>> widths;                // (col, width) expected
};

std::vector<TReadCase> ReadCases()
{
    return {
        {"other dimensions", "5,20\r\n1,19,Extra\r\n", 5, 20, {{1, 19, "Extra"}, {0, 1, "1."}}, {{4, 67}}},
        {"fewer columns drop the rest", "3,16\r\n", 3, 16, {{3, 0, ""}, {2, 0, "Program File"}}, {{3, 0}}},
        {"lines outside are ignored", "5,16\r\ncw 9,300\r\n7,1,x\r\n1,16,y\r\n-1,1,z\r\n", 5, 16,
         {{1, 1, ""}, {0, 1, "1."}}, {{0, 25}, {4, 67}}},
        {"trailing characters after numbers", "5,16\r\n1x,2y,Text\r\n", 5, 16, {{1, 2, "Text"}}, {}},
        {"CR LF inside a cell", "5,16\r\n1,1,Two\t\blines\r\n", 5, 16, {{1, 1, "Two"}}, {}},
        {"TAB without CR", "5,16\r\n1,1,a\tb\r\n", 5, 16, {{1, 1, "a\tb"}}, {}},
        {"BS alone turns into LF", "5,16\r\n1,1,a\bb\r\n", 5, 16, {{1, 1, "a\nb"}}, {}},
        {"0x1A ends the file", "5,16\r\n1,1,be\x1A" "fore\r\n1,2,after\r\n", 5, 16, {{1, 1, "be"}, {1, 2, ""}}, {}},
        {"no header lines keeps the headers", "5,16\r\n1,1,Notepad\r\n", 5, 16,
         {{1, 0, "Button Caption"}, {0, 15, "15."}, {1, 1, "Notepad"}}, {}},
        {"LF line ends", "5,16\n1,1,A\n2,1,B", 5, 16, {{1, 1, "A"}, {2, 1, "B"}}, {}},
        {"a lone CR is dropped", "5,16\r\n1,1,A\rB\r\n", 5, 16, {{1, 1, "AB"}}, {}},
        {"empty first line keeps the dimensions", "\r\n1,1,A\r\n", 5, 16, {{1, 1, "A"}}, {}},
        {"dimensions below 1 become 1", "0,-4\r\n", 1, 1, {{0, 0, "#"}}, {}},
        {"no comma in the dimension line", "5\r\n", 1, 5, {}, {}},
        {"column widths", "5,16\r\ncw 1,50\r\ncw 2\r\n", 5, 16, {}, {{1, 50}, {0, 0}, {2, 196}}},
        {"the column index starts at the fourth character", "5,16\r\ncw12,7\r\n", 5, 16, {}, {{2, 7}, {1, 104}}},
        {"255 characters of a width are read", "5,16\r\ncw 1," + std::string(254, '0') + "42\r\n", 5, 16, {},
         {{1, 4}}},
        {"missing commas in a cell line", "5,16\r\nhello\r\n", 5, 16, {{0, 0, "hello"}}, {}},
        {"one comma in a cell line", "5,16\r\n2,text\r\n", 5, 16, {{2, 0, "text"}, {1, 0, "Button Caption"}}, {}},
        {"commas in the text", "5,16\r\n1,1,a,b,c\r\n", 5, 16, {{1, 1, "a,b,c"}}, {}},
        {"empty text clears a cell", "5,16\r\n0,3,\r\n", 5, 16, {{0, 3, ""}}, {}},
        {"empty file changes nothing", "", 5, 16, {{0, 0, "#"}}, {}},
        {"blanks before numbers", "5, 20\r\ncw 1, 80\r\n", 5, 20, {}, {{1, 80}}},
    };
}

TEST(TableFileCodec, ReadsFilesByTheLineRules)
{
    for (const auto& c : ReadCases()) {
        SCOPED_TRACE(c.name);
        TButtonTable table;
        DecodeTableFile(table, c.file);
        EXPECT_EQ(table.ColCount(), c.cols);
        EXPECT_EQ(table.RowCount(), c.rows);
        for (const auto& [col, row, text] : c.cells)
            EXPECT_EQ(table.GetCell(col, row), text) << "cell " << col << "," << row;
        for (const auto& [col, width] : c.widths)
            EXPECT_EQ(table.ColWidths(col), width) << "column " << col;
    }
}

TEST(TableFileCodec, ReadsTheSameWhateverTheChunks)
{
    const std::string file = "5,16\r\ncw 1,50\r\n1,1,A\r\r\n1,2,B\n1,3,Two\t\blines\r\n9,9,x\r\n1,4,end";
    TButtonTable whole;
    DecodeTableFile(whole, file);
    TButtonTable bytewise;
    TTableFileParser parser(bytewise);
    for (char c : file)
        parser.Feed(std::string_view(&c, 1));
    parser.Finish();
    EXPECT_EQ(EncodeTableFile(bytewise), EncodeTableFile(whole));
    EXPECT_EQ(whole.GetCell(1, 4), "end");
}

TEST(TableFileCodec, UntrustedFilesStayWithinBounds)
{
    const std::string hugeNumber(500, '9');
    TButtonTable table;
    DecodeTableFile(table, "5,2000000000\r\ncw " + hugeNumber + ",5\r\ncw 1," + hugeNumber + "\r\n" + hugeNumber +
                               ",1,x\r\n1,-" + hugeNumber + ",y\r\n");
    EXPECT_EQ(table.ColCount(), 5);
    EXPECT_EQ(table.RowCount(), TButtonTable::MaxRowCount);
    EXPECT_EQ(table.ColWidths(1), 2147483647);
    EXPECT_EQ(table.GetCell(0, 1), "1.");
    // Only the cells that hold text are written back, however many rows there are.
    EXPECT_LT(EncodeTableFile(table).size(), 1000u);

    DecodeTableFile(table, hugeNumber + "," + hugeNumber + "\r\n");
    EXPECT_EQ(table.ColCount(), TButtonTable::MaxColCount);
    EXPECT_EQ(table.RowCount(), TButtonTable::MaxRowCount);

    const std::string longText(8 << 20, 'L');
    TButtonTable longLine;
    DecodeTableFile(longLine, "5,16\r\n1,1," + longText + "\r\n1,2,next\r\n");
    EXPECT_EQ(longLine.GetCell(1, 1), longText);
    EXPECT_EQ(longLine.GetCell(1, 2), "next");
}

TEST(TableFileCodec, AnOrdinaryFileReadsBackToTheSameBytes)
{
    const auto file = Lines({"5,20", "cw 0,30", "cw 1,120", "cw 2,200", "cw 3,100", "cw 4,60", "0,0,#",
                             "1,0,Button Caption", "4,0,Password", "0,1,1.", "1,1,<b>Notepad</b>",
                             "2,1,C:\\WINDOWS\\notepad.exe", "3,1,$FFCC00 readme.txt", "4,1,secret",
                             "1,3,tab\there", "1,4,line\bfeed", "0,19,19.", "3,19,x"});
    // A table without any cell, so that only the file's cells are written back.
    TButtonTable table;
    std::vector<std::pair<int, int>> created;
    table.ForEachCell([&created](int col, int row, const std::string&) { created.emplace_back(col, row); });
    for (const auto& [col, row] : created)
        table.SetCell(col, row, "");
    DecodeTableFile(table, file);
    EXPECT_EQ(EncodeTableFile(table), file);
}

}  // namespace
