#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "framework/fileerror.h"

// The per-user settings store: the recent-file list and the backup choices, in
// $XDG_CONFIG_HOME/<organisation>/<application>.conf. Earlier versions wrote it through
// QSettings; this reads and writes the same INI text (UTF-8, group and key names escaped with
// %XX, values with backslashes and quotes), so a store written by either reads in the other.
// The one reader and writer of the file, for the program and the tool.
namespace profile {

inline constexpr char kOrganization[] = "ヴェスピン Ver2.0";
inline constexpr char kApplication[] = "ヴェスピン";

// The store's file; empty when no home folder is known.
std::string Path();

// The store's text, edited in place: a change rewrites the lines of the one key it sets or
// removes, and every other byte of the text stays. Group and key names are ASCII.
class Store {
public:
    explicit Store(std::string text = {}) : m_text(std::move(text)) {}

    // The text value of key in group (the last one, where a group or key comes twice), as
    // QSettings reads it; nullopt when absent or not a single text (a list).
    std::optional<std::string> Value(std::string_view group, std::string_view key) const;
    // Sets key in group to value (UTF-8), adding the key or the group where missing.
    void SetValue(std::string_view group, std::string_view key, std::string_view value);
    // Removes key from group, and the group once nothing is left in it.
    void Remove(std::string_view group, std::string_view key);

    const std::string& Text() const { return m_text; }

private:
    std::string m_text;
};

// The store at path; empty when the file is missing or cannot be read.
Store Read(const std::string& path);

// Changes the store at path: read under its lock (a second writer waits, a writer that holds
// it too long is given up on), edited by change, and written back whole by atomic replace
// when the text changed. The folders are made where missing.
[[nodiscard]] FileError Update(const std::string& path, const std::function<void(Store&)>& change);

}  // namespace profile
