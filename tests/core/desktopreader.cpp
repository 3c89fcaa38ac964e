#include "core/desktopreader.h"

#include <cctype>

namespace desktopentry {
namespace {

// Characters that have a meaning in an Exec value outside quotes.
bool IsReserved(char c) {
    return std::string_view(" \t\n\"'\\><~|&;$*?#`").find(c) != std::string_view::npos;
}

// Undoes the key file's escapes of a value.
std::optional<std::string> Unescape(std::string_view v) {
    std::string out;
    out.reserve(v.size());
    for (size_t i = 0; i < v.size(); ++i) {
        if (v[i] != '\\') {
            out += v[i];
            continue;
        }
        if (++i == v.size()) return std::nullopt;
        switch (v[i]) {
            case 's':
                out += ' ';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case 'r':
                out += '\r';
                break;
            case '\\':
                out += '\\';
                break;
            default:
                return std::nullopt;
        }
    }
    return out;
}

bool IsValidKey(std::string_view key) {
    size_t i = 0;
    while (i < key.size() && (std::isalnum(static_cast<unsigned char>(key[i])) || key[i] == '-'))
        ++i;
    if (i == 0) return false;
    if (i == key.size()) return true;
    // A locale suffix: Name[ja]
    return key[i] == '[' && key.back() == ']' && key.size() > i + 2 &&
           key.substr(i + 1, key.size() - i - 2).find_first_of("[]") == std::string_view::npos;
}

}  // namespace

std::optional<std::map<std::string, std::string>> Parse(std::string_view text) {
    std::map<std::string, std::string> entry;
    std::map<std::string, int> seenInGroup;
    int group = 0;  // 0: before any group, 1: [Desktop Entry], 2: a later group
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (line.empty() || line[0] == '#') continue;
        if (line[0] == '[') {
            if (line.back() != ']') return std::nullopt;
            const std::string_view name = line.substr(1, line.size() - 2);
            if (group == 0 && name != "Desktop Entry") return std::nullopt;
            if (group != 0 && name == "Desktop Entry") return std::nullopt;
            group = group == 0 ? 1 : 2;
            seenInGroup.clear();
            continue;
        }
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos || group == 0) return std::nullopt;
        std::string_view key = line.substr(0, eq);
        while (!key.empty() && key.back() == ' ') key.remove_suffix(1);
        std::string_view raw = line.substr(eq + 1);
        while (!raw.empty() && raw.front() == ' ') raw.remove_prefix(1);
        if (!IsValidKey(key) || seenInGroup[std::string(key)]++ > 0) return std::nullopt;
        const std::optional<std::string> value = Unescape(raw);
        if (!value) return std::nullopt;
        if (group == 1) entry[std::string(key)] = *value;
    }
    if (group == 0) return std::nullopt;
    return entry;
}

std::optional<std::vector<std::string>> SplitExec(std::string_view value) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < value.size()) {
        if (value[i] == ' ') {
            ++i;
            continue;
        }
        std::string word;
        if (value[i] == '"') {
            ++i;
            for (;;) {
                if (i == value.size()) return std::nullopt;  // no closing quote
                const char c = value[i++];
                if (c == '"') break;
                if (c == '`' || c == '$') return std::nullopt;  // must have been escaped
                if (c == '\\') {
                    if (i == value.size()) return std::nullopt;
                    const char next = value[i++];
                    if (next != '"' && next != '`' && next != '$' && next != '\\')
                        return std::nullopt;
                    word += next;
                } else {
                    word += c;
                }
            }
            // A quoted word ends where its quote ends.
            if (i < value.size() && value[i] != ' ') return std::nullopt;
        } else {
            while (i < value.size() && value[i] != ' ') {
                if (IsReserved(value[i])) return std::nullopt;
                word += value[i++];
            }
        }
        // Field codes: only %% (a percent sign) may occur.
        std::string expanded;
        for (size_t k = 0; k < word.size(); ++k) {
            if (word[k] != '%') {
                expanded += word[k];
            } else if (k + 1 < word.size() && word[k + 1] == '%') {
                expanded += '%';
                ++k;
            } else {
                return std::nullopt;
            }
        }
        words.push_back(std::move(expanded));
    }
    return words;
}

}  // namespace desktopentry
