#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A desktop entry read back as a desktop reads it, to check what the program writes.
namespace desktopentry {

// The keys of the [Desktop Entry] group with their values' escapes undone. nullopt for a text
// that is no well-formed entry: a line that is neither blank, comment, group nor key=value, a
// key before the first group or twice in a group, an unknown escape, a first group other than
// [Desktop Entry].
std::optional<std::map<std::string, std::string>> Parse(std::string_view text);

// The words of an Exec value (already unescaped by Parse), quoting undone and %% turned into
// %. nullopt when the value breaks the quoting rules (an open quote, an unknown escape, a
// reserved character outside quotes) or holds a field code other than %%: a shortcut of this
// program never asks the desktop to substitute anything.
std::optional<std::vector<std::string>> SplitExec(std::string_view value);

}  // namespace desktopentry
