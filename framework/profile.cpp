#include "framework/profile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <iterator>
#include <thread>
#include <vector>

#include "framework/booklock.h"
#include "framework/readfile.h"
#include "framework/savefile.h"
#include "framework/uniquefd.h"
#include "framework/userfolder.h"

namespace profile {
namespace {

constexpr size_t npos = std::string_view::npos;
constexpr char kHex[] = "0123456789ABCDEF";
constexpr char kLowerHex[] = "0123456789abcdef";

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void AppendUtf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// One logical line as QSettings splits the text: a quoted value may run over line breaks, a
// backslash continues a line, a ';' outside quotes starts a comment.
struct Line {
    size_t begin = 0;  // its first byte after spaces
    size_t end = 0;    // the line break, comment or end of text that ends it
    size_t equals = npos;
};

bool NextLine(std::string_view data, size_t& pos, Line& line) {
    size_t start = pos;
    while (start < data.size() && IsSpace(data[start])) ++start;
    bool inQuotes = false;
    line.equals = npos;
    size_t i = start;
    while (i < data.size()) {
        const char ch = data[i++];
        if (ch == '=') {
            if (!inQuotes && line.equals == npos) line.equals = i - 1;
        } else if (ch == '\n' || ch == '\r') {
            if (!inQuotes) {
                --i;
                break;
            }
        } else if (ch == '\\') {
            if (i < data.size()) {
                const char c = data[i++];
                if (i < data.size() &&
                    ((c == '\n' && data[i] == '\r') || (c == '\r' && data[i] == '\n')))
                    ++i;
            }
        } else if (ch == '"') {
            inQuotes = !inQuotes;
        } else if (ch == ';') {
            if (i == start + 1) {  // a comment line: skipped
                while (i < data.size() && data[i] != '\n' && data[i] != '\r') ++i;
                while (i < data.size() && IsSpace(data[i])) ++i;
                start = i;
            } else if (!inQuotes) {
                --i;
                break;
            }
        }
    }
    pos = i;
    line.begin = start;
    line.end = i;
    return i > start;
}

// "%20" and "%U30F4" stand for characters, '\' for '/'.
std::string UnescapeKey(std::string_view key) {
    std::string out;
    for (size_t i = 0; i < key.size();) {
        if (key[i] == '\\') {
            out += '/';
            ++i;
            continue;
        }
        const size_t digits = i + 1 < key.size() && key[i + 1] == 'U' ? 4 : 2;
        const size_t first = i + 1 + (digits == 4 ? 1 : 0);
        unsigned cp = 0;
        bool ok = key[i] == '%' && first + digits <= key.size();
        for (size_t d = 0; ok && d < digits; ++d) {
            const int v = HexValue(key[first + d]);
            ok = v >= 0;
            cp = cp * 16 + static_cast<unsigned>(v);
        }
        if (!ok) {
            out += key[i++];
            continue;
        }
        AppendUtf8(out, cp);
        i = first + digits;
    }
    return out;
}

std::string EscapeKey(std::string_view key) {
    std::string out;
    for (const char c : key) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '/') {
            out += '\\';
        } else if (std::isalnum(u) != 0 || c == '_' || c == '-' || c == '.') {
            out += c;
        } else {
            out += '%';
            out += kHex[u / 16];
            out += kHex[u % 16];
        }
    }
    return out;
}

// A value as QSettings writes a text: control characters and '"', '\' escaped, quoted where
// it holds ';', ',' or '=' or begins or ends with a space; a leading '@' doubled.
std::string EscapeValue(std::string_view value) {
    std::string out = !value.empty() && value.front() == '@' ? "@" : "";
    bool quotes = false;
    bool escapeNextIfDigit = false;
    auto hexEscape = [&out](unsigned char c) {
        out += "\\x";
        if (c >= 16) out += kLowerHex[c / 16];
        out += kLowerHex[c % 16];
    };
    for (const char c : value) {
        const auto u = static_cast<unsigned char>(c);
        if (c == ';' || c == ',' || c == '=') quotes = true;
        if (escapeNextIfDigit && HexValue(c) >= 0) {
            hexEscape(u);
            continue;
        }
        escapeNextIfDigit = false;
        static constexpr char kNamed[][2] = {{'\a', 'a'}, {'\b', 'b'}, {'\f', 'f'},
                                             {'\n', 'n'}, {'\r', 'r'}, {'\t', 't'},
                                             {'\v', 'v'}, {'"', '"'},  {'\\', '\\'}};
        const auto* named = std::find_if(std::begin(kNamed), std::end(kNamed),
                                         [c](const char(&e)[2]) { return e[0] == c; });
        if (named != std::end(kNamed)) {
            out += '\\';
            out += (*named)[1];
        } else if (u <= 0x1F) {
            hexEscape(u);
            escapeNextIfDigit = true;
        } else {
            out += c;
        }
    }
    if (quotes || (!out.empty() && (out.front() == ' ' || out.back() == ' ')))
        out = '"' + out + '"';
    return out;
}

// A value as QSettings reads it; nullopt for a list (commas outside quotes).
std::optional<std::string> UnescapeValue(std::string_view str) {
    std::string result;
    bool isList = false;
    bool inQuotes = false;
    bool quoted = false;
    size_t i = 0;
    size_t chopLimit = 0;
    auto skipSpaces = [&] {
        while (i < str.size() && IsBlank(str[i])) ++i;
        chopLimit = result.size();
    };
    auto chop = [&] {
        while (result.size() > chopLimit && IsBlank(result.back())) result.pop_back();
    };
    skipSpaces();
    while (i < str.size()) {
        const char c = str[i];
        if (c == '\\') {
            if (++i >= str.size()) break;
            const char e = str[i++];
            static constexpr char kNamed[] =
                "a\ab\bf\fn\nr\rt\tv\v\"\"?"
                "?''\\\\";
            const char* named = nullptr;
            for (const char* p = kNamed; *p; p += 2)
                if (*p == e) named = p;
            if (named) {
                result += named[1];
            } else if ((e == 'x' && i < str.size() && HexValue(str[i]) >= 0) ||
                       (e >= '0' && e <= '7')) {
                const unsigned base = e == 'x' ? 16 : 8;
                unsigned v = e == 'x' ? 0 : static_cast<unsigned>(e - '0');
                for (int d = 0; i < str.size() && (d = HexValue(str[i])) >= 0 &&
                                static_cast<unsigned>(d) < base;
                     ++i)
                    v = (v * base + static_cast<unsigned>(d)) & 0xFFFF;
                AppendUtf8(result, v);
            } else if ((e == '\n' || e == '\r') && i < str.size() &&
                       (str[i] == '\n' || str[i] == '\r') && str[i] != e) {
                ++i;  // a continued line
            }
            chopLimit = result.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) skipSpaces();
        } else if (c == ',' && !inQuotes) {
            isList = true;
            ++i;
            quoted = false;
            result.clear();
            skipSpaces();
        } else {
            const size_t j = str.find_first_of("\\\",", i + 1);
            result.append(str.substr(i, (j == npos ? str.size() : j) - i));
            i = j == npos ? str.size() : j;
        }
    }
    if (!quoted) chop();
    if (isList) return std::nullopt;
    // A leading '@' marks what QSettings stores with a type; "@@" is a text beginning with '@'.
    if (result.rfind("@@", 0) == 0) return result.substr(1);
    for (const std::string_view typed : {"@String(", "@ByteArray("})
        if (result.size() > typed.size() && result.rfind(typed, 0) == 0 && result.back() == ')')
            return result.substr(typed.size(), result.size() - typed.size() - 1);
    return result;
}

// The group headers and keys of a text, names unescaped.
struct Entry {
    bool header = false;
    std::string name;
    Line line;
};

std::vector<Entry> Parse(std::string_view text) {
    std::vector<Entry> out;
    size_t pos = 0;
    Line line;
    while (NextLine(text, pos, line)) {
        const std::string_view s = text.substr(line.begin, line.end - line.begin);
        if (s.front() == '[') {
            std::string_view name = s.substr(1, s.find(']') == npos ? npos : s.find(']') - 1);
            while (!name.empty() && IsSpace(name.front())) name.remove_prefix(1);
            while (!name.empty() && IsSpace(name.back())) name.remove_suffix(1);
            out.push_back({true, UnescapeKey(name), line});
        } else if (line.equals != npos) {
            size_t keyEnd = line.equals;
            while (keyEnd > line.begin && IsBlank(text[keyEnd - 1])) --keyEnd;
            out.push_back({false, UnescapeKey(text.substr(line.begin, keyEnd - line.begin)), line});
        }
    }
    return out;
}

// The index of the last entry of key in group (npos if none), and of the last entry, header
// included, of the group's last section (npos if the group is missing).
std::pair<size_t, size_t> Find(const std::vector<Entry>& entries, std::string_view group,
                               std::string_view key) {
    size_t found = npos;
    size_t last = npos;
    bool inGroup = false;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].header) inGroup = entries[i].name == group;
        if (!inGroup) continue;
        last = i;
        if (!entries[i].header && entries[i].name == key) found = i;
    }
    return {found, last};
}

// Where the physical line holding pos begins (after the previous line break).
size_t LineStart(std::string_view text, size_t pos) {
    while (pos > 0 && IsBlank(text[pos - 1])) --pos;
    return pos;
}

// Just past the line break that ends the physical line holding pos (a comment included).
size_t LineBreakEnd(std::string_view text, size_t pos) {
    pos = text.find_first_of("\r\n", pos);
    if (pos == npos) return text.size();
    return pos + (text.compare(pos, 2, "\r\n") == 0 ? 2 : 1);
}

std::string LineBreak(std::string_view text) {
    const size_t pos = text.find('\n');
    return pos != npos && pos > 0 && text[pos - 1] == '\r' ? "\r\n" : "\n";
}

}  // namespace

std::string Path() {
    return UserFolder("XDG_CONFIG_HOME", "/.config",
                      std::string("/") + kOrganization + "/" + kApplication + ".conf");
}

std::optional<std::string> Store::Value(std::string_view group, std::string_view key) const {
    const std::vector<Entry> entries = Parse(m_text);
    const size_t found = Find(entries, group, key).first;
    if (found == npos) return std::nullopt;
    const Line& line = entries[found].line;
    return UnescapeValue(
        std::string_view(m_text).substr(line.equals + 1, line.end - line.equals - 1));
}

void Store::SetValue(std::string_view group, std::string_view key, std::string_view value) {
    const std::vector<Entry> entries = Parse(m_text);
    const auto [found, last] = Find(entries, group, key);
    const std::string nl = LineBreak(m_text);
    if (found != npos) {
        const Line& line = entries[found].line;
        m_text.replace(line.equals + 1, line.end - line.equals - 1, EscapeValue(value));
        return;
    }
    const std::string entry = EscapeKey(key) + "=" + EscapeValue(value) + nl;
    if (last != npos) {
        const size_t at = LineBreakEnd(m_text, entries[last].line.end);
        m_text.insert(
            at,
            (at == m_text.size() && at > 0 && m_text.back() != '\n' && m_text.back() != '\r' ? nl
                                                                                             : "") +
                entry);
        return;
    }
    // A new group after the others, a blank line between, as QSettings writes them.
    if (!m_text.empty() && m_text.back() != '\n' && m_text.back() != '\r') m_text += nl;
    if (!m_text.empty() && m_text.size() >= 2 * nl.size() &&
        m_text.compare(m_text.size() - 2 * nl.size(), 2 * nl.size(), nl + nl) != 0)
        m_text += nl;
    m_text += "[" + EscapeKey(group) + "]" + nl + entry;
}

void Store::Remove(std::string_view group, std::string_view key) {
    for (;;) {
        const std::vector<Entry> entries = Parse(m_text);
        const size_t found = Find(entries, group, key).first;
        if (found == npos) break;
        const Line& line = entries[found].line;
        const size_t from = LineStart(m_text, line.begin);
        m_text.erase(from, LineBreakEnd(m_text, line.end) - from);
    }
    // A section left with nothing but blank lines goes, with the blank line before it when it
    // was the last one, as QSettings leaves the file.
    for (bool again = true; again;) {
        again = false;
        const std::vector<Entry> entries = Parse(m_text);
        for (size_t i = 0; i < entries.size() && !again; ++i) {
            if (!entries[i].header || entries[i].name != group) continue;
            if (i + 1 < entries.size() && !entries[i + 1].header) continue;
            const size_t next = i + 1 < entries.size() ? entries[i + 1].line.begin : m_text.size();
            const size_t bodyFrom = LineBreakEnd(m_text, entries[i].line.end);
            if (m_text.find_first_not_of(" \t\r\n", bodyFrom) < next) continue;  // a comment
            const size_t from = LineStart(m_text, entries[i].line.begin);
            const size_t to = next == m_text.size() ? next : LineStart(m_text, next);
            m_text.erase(from, to - from);
            again = true;
        }
    }
    const std::string nl = LineBreak(m_text);
    while (m_text.size() >= 2 * nl.size() &&
           m_text.compare(m_text.size() - 2 * nl.size(), 2 * nl.size(), nl + nl) == 0)
        m_text.resize(m_text.size() - nl.size());
    if (m_text == nl) m_text.clear();
}

Store Read(const std::string& path) {
    std::string text;
    if (path.empty() || ReadWholeFile(path, text) != FileError::none) text.clear();
    return Store(std::move(text));
}

FileError Update(const std::string& path, const std::function<void(Store&)>& change) {
    using std::chrono::steady_clock;
    if (path.empty()) return FileError::badPath;
    if (const int err = MakeFolders(DirectoryOf(path))) return FileErrorFromErrno(err);
    // The lock is on the store's file itself, so no lock file is left behind; a writer that
    // finds the file replaced while it waited locks the new one.
    const auto deadline = steady_clock::now() + std::chrono::seconds(2);
    for (;;) {
        // Made empty where missing, to hold the lock; taken away again if nothing is written.
        UniqueFd fd(
            ::open(path.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_NONBLOCK | O_CLOEXEC, 0666));
        const bool made = static_cast<bool>(fd);
        if (!fd) fd.Reset(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
        if (!fd) return FileErrorFromErrno(errno);
        bool locked = false;
        int err = 0;
        while (!(locked = ::flock(fd.Get(), LOCK_EX | LOCK_NB) == 0) &&
               (err = errno) == EWOULDBLOCK && steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        // A file system without locks is written without one.
        if (!locked && err == EWOULDBLOCK) return FileError::sharingViolation;
        struct stat mine {};
        struct stat named {};
        if (::fstat(fd.Get(), &mine) != 0) return FileErrorFromErrno(errno);
        if (!S_ISREG(mine.st_mode)) return FileError::accessDenied;
        if (::stat(path.c_str(), &named) != 0 || named.st_dev != mine.st_dev ||
            named.st_ino != mine.st_ino) {
            if (steady_clock::now() >= deadline) return FileError::sharingViolation;
            continue;
        }
        std::string text;
        if (const FileError e = ReadOpenFile(fd.Get(), mine, text, kMaxBookBytes);
            e != FileError::none)
            return e;  // never written over what could not be read
        Store store(text);
        change(store);
        if (store.Text() == text) {
            if (made && text.empty()) ::unlink(path.c_str());
            return FileError::none;
        }
        BookLock lock;
        lock.Adopt(std::move(fd), locked);
        return SaveFileAtomic(path, store.Text(), {.lock = &lock}).cause;
    }
}

}  // namespace profile
