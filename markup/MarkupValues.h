// Reading the values of caption tags: integers, attribute values and colours.
#pragma once

#include "base/Types.h"

#include <cstddef>
#include <string>

// The platform's integer conversion of the front of text: leading blanks skipped, an
// optional sign, "$" or "0x" for hexadecimal digits; reading stops at the first character
// that is not a digit and the value read so far counts (0 without digits). Values beyond
// the int range stop at its limit.
struct TLeadingInteger {
    int Value = 0;
    bool Valid = false;  // at least one digit and nothing after the number
};
TLeadingInteger ReadLeadingInteger(const std::string& text);
inline int LeadingInteger(const std::string& text) { return ReadLeadingInteger(text).Value; }

// The value of attribute `name` in attribute text: the first occurrence of the name counts,
// wherever it stands; the value lies between the first double quote after the name and
// the next one. Empty when the name or either quote is missing.
std::string AttributeValue(const std::string& attributes, const std::string& name);
bool HasAttribute(const std::string& attributes, const std::string& name);
// The text between the first double quote at or after position `from` (1-based) and the
// next one; empty when either is missing.
std::string QuotedValueFrom(const std::string& text, std::size_t from);

// The value after a letter in a tag text: in the text after the tag's first two
// characters, the first `letter` (either case) is found; the value is the quoted text in
// what begins at the second character after it.
std::string ValueAfterLetter(const std::string& tagText, char letter);

// "#RRGGBB" in hexadecimal, or a colour name in any letter case ("clRed").
TColor ColorValue(const std::string& value);
