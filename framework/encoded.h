#pragma once

#include <string>
#include <utility>

// The core keeps its strings in two encodings: the book's and the program's Shift-JIS bytes, and
// paths in UTF-8 as the file system spells them. Where they meet what the user is shown (UiText,
// Qt's strings) the encoding is the type, so a path shown as Shift-JIS, or a text used as a path,
// does not compile. Each still is a std::string to the core's own string handling; a plain
// std::string becomes one only through the explicit constructor, which says what its bytes are.

// Shift-JIS bytes: every text of the program (texts::S) and, named so, the book's own fields.
class Sjis : public std::string {
public:
    Sjis() = default;
    explicit Sjis(std::string bytes) : std::string(std::move(bytes)) {}
};

// A path as the file system spells it (UTF-8).
class Utf8Path : public std::string {
public:
    Utf8Path() = default;
    explicit Utf8Path(std::string utf8) : std::string(std::move(utf8)) {}
};
