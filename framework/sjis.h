#pragma once

#include <string>
#include <string_view>

// Conversions between the book's Shift-JIS (code page 932) bytes and UTF-8 / UTF-16.
// Characters that have no counterpart become '?', so a conversion never fails.
namespace sjis {

std::string FromUtf8(std::string_view utf8);
std::string ToUtf8(std::string_view sjis);
std::string FromUtf16Le(std::string_view utf16leBytes);

}  // namespace sjis
