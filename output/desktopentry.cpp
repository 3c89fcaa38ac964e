#include "output/desktopentry.h"

#include <cctype>
#include <cstdint>

namespace desktopentry {
namespace {

// Length of the UTF-8 sequence at s[i] and its code point; 0 when it is not valid UTF-8
// (truncated, overlong, a surrogate or beyond U+10FFFF).
size_t DecodeUtf8(std::string_view s, size_t i, uint32_t& cp) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b0 = byte(i);
    size_t len;
    uint32_t min;
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        len = 2, min = 0x80, cp = b0 & 0x1Fu;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3, min = 0x800, cp = b0 & 0x0Fu;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4, min = 0x10000, cp = b0 & 0x07u;
    } else {
        return 0;
    }
    if (i + len > s.size()) return 0;
    for (size_t k = 1; k < len; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3Fu);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return len;
}

// C0, DEL and C1: a reader may take any of them for the end of a line.
bool IsControl(uint32_t cp) { return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F); }

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

bool IsPlainText(std::string_view utf8) {
    for (size_t i = 0; i < utf8.size();) {
        uint32_t cp = 0;
        const size_t len = DecodeUtf8(utf8, i, cp);
        if (len == 0 || IsControl(cp)) return false;
        i += len;
    }
    return true;
}

std::optional<std::string> QuoteArgument(std::string_view utf8) {
    if (!IsPlainText(utf8)) return std::nullopt;
    std::string out = "\"";
    for (const char c : utf8) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') out += '\\';
        if (c == '%') out += '%';
        out += c;
    }
    out += '"';
    return out;
}

std::optional<std::string> EscapeValue(std::string_view utf8) {
    // The key file's own escapes cover the line ends and the tab; anything else that is a
    // control character has no way into a value.
    std::string out;
    out.reserve(utf8.size() + 8);
    const size_t firstKept = utf8.find_first_not_of(' ');
    const size_t lastKept = utf8.find_last_not_of(' ');
    for (size_t i = 0; i < utf8.size();) {
        uint32_t cp = 0;
        const size_t len = DecodeUtf8(utf8, i, cp);
        if (len == 0) return std::nullopt;
        switch (cp) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            case ' ':
                // Readers strip blanks around a value; \s keeps them.
                out += (firstKept == std::string_view::npos || i < firstKept || i > lastKept)
                           ? "\\s"
                           : " ";
                break;
            default:
                if (IsControl(cp)) return std::nullopt;
                out.append(utf8.substr(i, len));
        }
        i += len;
    }
    return out;
}

std::optional<std::string> Build(const Shortcut& shortcut) {
    std::string exec;
    for (size_t i = 0; i <= shortcut.arguments.size(); ++i) {
        const std::string& word = i == 0 ? shortcut.program : shortcut.arguments[i - 1];
        const std::optional<std::string> quoted = QuoteArgument(word);
        if (!quoted) return std::nullopt;
        if (i > 0) exec += ' ';
        exec += *quoted;
    }
    const std::optional<std::string> name = EscapeValue(shortcut.name);
    const std::optional<std::string> execValue = EscapeValue(exec);
    const std::optional<std::string> icon = EscapeValue(shortcut.icon);
    if (!name || !execValue || !icon) return std::nullopt;
    return "[Desktop Entry]\n"
           "Version=1.0\n"
           "Type=Application\n"
           "Name=" +
           *name +
           "\n"
           "Exec=" +
           *execValue +
           "\n"
           "Icon=" +
           *icon +
           "\n"
           "Terminal=false\n";
}

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
