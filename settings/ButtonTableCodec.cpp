#include "settings/ButtonTableCodec.h"

#include <algorithm>
#include <climits>

#include "base/Strings.h"

namespace {

constexpr char CR = '\r';
constexpr char LF = '\n';
constexpr char TAB = '\t';
constexpr char BS = '\b';
constexpr char EndOfFile = '\x1A';

bool Holds(std::string_view text, char c)
{
    return text.find(c) != std::string_view::npos;
}

// Removes the field before the first comma, and that comma, from line. Without a comma
// the field is empty and line stays whole.
std::string_view TakeField(std::string_view& line)
{
    const auto comma = line.find(',');
    if (comma == std::string_view::npos)
        return {};
    const auto field = line.substr(0, comma);
    line.remove_prefix(comma + 1);
    return field;
}

}  // namespace

std::string EncodeCellText(std::string_view text)
{
    std::string encoded(text);
    std::replace(encoded.begin(), encoded.end(), EndOfFile, EndOfFileReplacement);
    if (Holds(encoded, CR)) {
        std::replace(encoded.begin(), encoded.end(), CR, TAB);
        std::replace(encoded.begin(), encoded.end(), LF, BS);
    } else if (Holds(encoded, LF)) {
        std::replace(encoded.begin(), encoded.end(), TAB, ' ');
        std::replace(encoded.begin(), encoded.end(), LF, BS);
    }
    return encoded;
}

std::string DecodeCellText(std::string_view text)
{
    std::string decoded(text);
    if (Holds(decoded, BS)) {
        std::replace(decoded.begin(), decoded.end(), TAB, CR);
        std::replace(decoded.begin(), decoded.end(), BS, LF);
    }
    const auto cr = decoded.find(CR);
    if (cr != std::string::npos)
        decoded.erase(cr);
    return decoded;
}

std::string EncodeTableFile(const TButtonTable& table)
{
    std::string file = std::to_string(table.ColCount()) + "," + std::to_string(table.RowCount()) + "\r\n";
    for (int col = 0; col < table.ColCount(); ++col)
        file += "cw " + std::to_string(col) + "," + std::to_string(table.ColWidths(col)) + "\r\n";
    table.ForEachCell([&file](int col, int row, const std::string& text) {
        file += std::to_string(col) + "," + std::to_string(row) + "," + EncodeCellText(text) + "\r\n";
    });
    return file;
}

int ReadFileNumber(std::string_view field)
{
    std::size_t i = 0;
    while (i < field.size() && field[i] == ' ')
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
        negative = field[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i)
        value = std::min<long long>(value * 10 + (field[i] - '0'), 1LL << 32);
    if (negative)
        value = -value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

bool TTableFileParser::Feed(std::string_view bytes)
{
    while (!ended_ && !bytes.empty()) {
        const auto stop = bytes.find_first_of(std::string_view("\n\r\x1A", 3));
        line_.append(bytes.substr(0, stop));
        if (stop != 0)
            lineStarted_ = true;
        if (stop == std::string_view::npos)
            break;
        const char c = bytes[stop];
        bytes.remove_prefix(stop + 1);
        if (c == LF) {
            EndLine();
        } else if (c == CR) {
            lineStarted_ = true;
        } else {
            ended_ = true;
            Finish();
        }
    }
    return !ended_;
}

void TTableFileParser::Finish()
{
    if (lineStarted_)
        EndLine();
}

void TTableFileParser::EndLine()
{
    ApplyLine(line_);
    line_.clear();
    lineStarted_ = false;
}

void TTableFileParser::ApplyLine(std::string_view line)
{
    if (firstLine_) {
        firstLine_ = false;
        if (line.empty())
            return;
        const int cols = ReadFileNumber(TakeField(line));
        const int rows = ReadFileNumber(line);
        table_.SetColCount(cols);
        table_.SetRowCount(rows);
        return;
    }
    if (StartsWith(line, "cw")) {
        // The index stands from the fourth character up to the first comma; the width is
        // read from at most 255 characters after it.
        const auto comma = static_cast<std::ptrdiff_t>(Pos(",", line));
        const int col = ReadFileNumber(Copy(line, 4, comma - 4));
        const int width = ReadFileNumber(Copy(line, comma + 1, 255));
        if (col >= 0 && col < table_.ColCount())
            table_.SetColWidths(col, width);
        return;
    }
    const int col = ReadFileNumber(TakeField(line));
    const int row = ReadFileNumber(TakeField(line));
    if (col >= 0 && col < table_.ColCount() && row >= 0 && row < table_.RowCount())
        table_.SetCell(col, row, DecodeCellText(line));
}

void DecodeTableFile(TButtonTable& table, std::string_view bytes)
{
    TTableFileParser parser(table);
    parser.Feed(bytes);
    parser.Finish();
}
