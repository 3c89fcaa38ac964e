#include "output/desktopentry.h"

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

}  // namespace desktopentry
