#pragma once

#include <optional>
#include <string>
#include <string_view>

// Conversions between the book's Shift-JIS (code page 932) bytes and UTF-8 / UTF-16.
// Characters that have no counterpart become one '?' each, so a conversion never fails.
namespace sjis {

std::string FromUtf8(std::string_view utf8);
std::string ToUtf8(std::string_view sjis);
std::string FromUtf16Le(std::string_view utf16leBytes);

// The first character of a UTF-8 text that Shift-JIS cannot hold (U+FFFD for bytes that are not
// UTF-8); nullopt when every character converts.
std::optional<char32_t> FirstUnstorable(std::string_view utf8);
// "U+1F363": a character named so that any text can show it.
std::string CodePointName(char32_t c);

}  // namespace sjis
