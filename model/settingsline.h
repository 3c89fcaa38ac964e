#pragma once

#include <string>
#include <string_view>
#include <vector>

// The pieces of a vespin.ini line every reader of it shares.

// Field n (from 1) of a comma-separated line; empty when the line has fewer fields.
std::string SettingsField(const std::string& line, int n);

// s without the blanks and tabs around it.
std::string_view TrimBlanks(std::string_view s);

// Every comma-separated field of a line, blanks around it trimmed (an empty line has one, empty).
std::vector<std::string> SettingsFields(std::string_view line);

// A field of a settings line that could not be read: its number (from 1) and its text
// (Shift-JIS, as written).
struct BadField {
    int field = 0;
    std::string text;
};

// The message for a line with bad fields: its head, then the first ten fields named and the
// rest counted, so that a line of thousands of bad fields still gives a message that fits the
// screen.
std::string BadFieldsMessage(const std::string& head, const std::vector<BadField>& bad);
