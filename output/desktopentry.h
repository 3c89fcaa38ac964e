#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The desktop shortcut's file: a Desktop Entry whose Exec starts the program with a book.
// Every text is UTF-8. What a desktop reads back must be exactly what was meant, so a text
// that an entry cannot hold faithfully is refused (nullopt) rather than written in a form
// that would start something else.
namespace desktopentry {

// Valid UTF-8 without control characters: what may stand in an entry's value.
bool IsPlainText(std::string_view utf8);

// One argument of an Exec value, always quoted: "…" with \ " ` $ escaped by a backslash and
// every % doubled, so blanks, quotes and field codes in it are only characters.
// nullopt for text that is not plain (a newline, a tab, invalid UTF-8 ...).
std::optional<std::string> QuoteArgument(std::string_view utf8);

// A value with the escapes of the key file (\\ \n \t \r, \s for blanks at either end), so that
// it cannot end its line or lose its blanks. nullopt for invalid UTF-8 or for control
// characters that have no escape.
std::optional<std::string> EscapeValue(std::string_view utf8);

struct Shortcut {
    std::string name;                    // Name=
    std::string program;                 // first word of Exec=, a full path
    std::vector<std::string> arguments;  // the rest of Exec=, one quoted word each
    std::string icon;                    // Icon=
};

// The whole file; nullopt when a text cannot be carried.
std::optional<std::string> Build(const Shortcut& shortcut);

}  // namespace desktopentry
