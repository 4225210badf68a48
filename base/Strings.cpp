#include "base/Strings.h"

#include <algorithm>

std::size_t Pos(std::string_view needle, std::string_view text)
{
    return PosFrom(needle, text, 1);
}

std::size_t PosFrom(std::string_view needle, std::string_view text, std::size_t from)
{
    if (needle.empty() || from < 1 || from > text.size())
        return 0;
    const auto found = text.find(needle, from - 1);
    return found == std::string_view::npos ? 0 : found + 1;
}

std::string Copy(std::string_view text, std::ptrdiff_t index, std::ptrdiff_t count)
{
    if (index < 1)
        index = 1;
    const auto size = static_cast<std::ptrdiff_t>(text.size());
    if (index > size || count <= 0)
        return {};
    const auto available = size - index + 1;
    return std::string(text.substr(static_cast<std::size_t>(index - 1),
                                   static_cast<std::size_t>(std::min(count, available))));
}

void Delete(std::string& text, std::ptrdiff_t index, std::ptrdiff_t count)
{
    const auto size = static_cast<std::ptrdiff_t>(text.size());
    if (index < 1 || index > size || count <= 0)
        return;
    text.erase(static_cast<std::size_t>(index - 1),
               static_cast<std::size_t>(std::min(count, size - index + 1)));
}

namespace {
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
}

std::string TrimRight(std::string_view text)
{
    auto end = text.size();
    while (end > 0 && IsBlank(text[end - 1]))
        --end;
    return std::string(text.substr(0, end));
}

std::string TrimLeft(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size() && IsBlank(text[start]))
        ++start;
    return std::string(text.substr(start));
}

std::string Trim(std::string_view text)
{
    return TrimLeft(TrimRight(text));
}

std::string UpperCase(std::string_view text)
{
    std::string result(text);
    for (auto& c : result)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return result;
}

std::string LowerCase(std::string_view text)
{
    std::string result(text);
    for (auto& c : result)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return result;
}

bool SameText(std::string_view a, std::string_view b)
{
    return UpperCase(a) == UpperCase(b);
}

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}
