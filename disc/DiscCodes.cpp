#include "disc/DiscCodes.h"

#include <algorithm>

namespace {
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isCapitalOrDigit(char c)
{
    return isDigit(c) || (c >= 'A' && c <= 'Z');
}

bool isHex(char c)
{
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool allOf(std::string_view code, std::size_t length, bool (*fits)(char))
{
    return code.size() == length && std::all_of(code.begin(), code.end(), fits);
}
} // namespace

bool DiscCodes::isCatalogNumber(std::string_view code)
{
    return allOf(code, 13, isDigit);
}

bool DiscCodes::isIsrc(std::string_view code)
{
    return allOf(code, 12, isCapitalOrDigit);
}

bool DiscCodes::isFreedbId(std::string_view code)
{
    return allOf(code, 8, isHex);
}
