#pragma once

#include <string>
#include <string_view>

// The pieces of a vespin.ini line every reader of it shares.

// Field n (from 1) of a comma-separated line; empty when the line has fewer fields.
std::string SettingsField(const std::string& line, int n);

// s without the blanks and tabs around it.
std::string_view TrimBlanks(std::string_view s);
