// String helpers with 1-based positions. Texts are 8-bit strings in the ANSI code page;
// every position the program reasons about counts from 1, and the translation to
// std::string's 0-based offsets happens only here.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Position (1-based) of the first occurrence of needle in text, 0 when absent or when
// needle is empty.
std::size_t Pos(std::string_view needle, std::string_view text);
// Same, searching from position `from` (1-based) on.
std::size_t PosFrom(std::string_view needle, std::string_view text, std::size_t from);

// Up to count characters of text from position index (1-based). An index below 1 is
// taken as 1; an index past the end gives the empty text.
std::string Copy(std::string_view text, std::ptrdiff_t index, std::ptrdiff_t count);

// Removes count characters from position index (1-based); out-of-range parts are ignored.
void Delete(std::string& text, std::ptrdiff_t index, std::ptrdiff_t count);

// Blanks and control characters (bytes up to 0x20) removed at both ends / the right / the left.
std::string Trim(std::string_view text);
std::string TrimRight(std::string_view text);
std::string TrimLeft(std::string_view text);

// ASCII letters only, as the ANSI upper-casing of passwords and names compares them.
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);

bool SameText(std::string_view a, std::string_view b);
bool StartsWith(std::string_view text, std::string_view prefix);
