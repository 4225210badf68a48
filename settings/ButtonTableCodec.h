// The button table file's bytes: a dimension line "cols,rows", one "cw <col>,<width>"
// line per column, then "<col>,<row>,<text>" for every cell that holds text, row by row;
// every line ends with CR LF.
#pragma once

#include <string>
#include <string_view>

#include "settings/ButtonTable.h"

// The byte that stands for a 0x1A in a written cell text: the reader takes 0x1A as the
// end of the file, so it cannot be stored.
constexpr char EndOfFileReplacement = '?';

// A text with a CR is written with TAB for every CR and BS for every LF. A text with LF
// but no CR is written with BS for every LF and a blank for every TAB (a TAB would read
// back as a line end); the reader turns BS back into LF, so it reads back whole. Other
// texts are written unchanged, except that a 0x1A becomes EndOfFileReplacement.
std::string EncodeCellText(std::string_view text);

// A text with a BS gets CR for every TAB and LF for every BS; the cell receives the part
// before the first CR.
std::string DecodeCellText(std::string_view text);

// The whole file for table.
std::string EncodeTableFile(const TButtonTable& table);

// A number field of the file: leading blanks, an optional sign, then the leading decimal
// digits (none read as 0); values beyond the 32-bit range are held at its ends.
int ReadFileNumber(std::string_view field);

// Reads a file's bytes into a table as they arrive, in chunks of any size. Lines end at LF
// (a CR is dropped wherever it stands); the byte 0x1A ends the file. Loading does not
// clear the table: cells without a line keep their text.
class TTableFileParser {
public:
    explicit TTableFileParser(TButtonTable& table) : table_(table) {}
    // False once the end of the file has been seen; later bytes are not read.
    bool Feed(std::string_view bytes);
    // Reads the last line when the bytes did not end with a line end.
    void Finish();

private:
    void EndLine();
    void ApplyLine(std::string_view line);

    TButtonTable& table_;
    std::string line_;
    bool lineStarted_ = false;  // a byte of the current line was seen (a dropped CR counts)
    bool firstLine_ = true;
    bool ended_ = false;
};

// Reads a whole file's bytes into table.
void DecodeTableFile(TButtonTable& table, std::string_view bytes);
