#include "framework/sjis.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace sjis {
namespace {

// Bytes of the UTF-8 character that starts with lead (1 for a byte that cannot start one).
size_t Utf8Length(char lead) {
    const auto b = static_cast<unsigned char>(lead);
    if (b >= 0xF0 && b <= 0xF4) return 4;
    if (b >= 0xE0 && b <= 0xEF) return 3;
    if (b >= 0xC2 && b <= 0xDF) return 2;
    return 1;
}

// One converter per direction and thread (a descriptor keeps state while it converts);
// iconv descriptors are costly to open.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {
        // Without its converter no text of the program can be shown, and this may run while the
        // program's texts are made, before main: say what is missing instead of an uncaught
        // exception's abort. (-1 is iconv_open's own failure value.)
        if (m_cd == reinterpret_cast<iconv_t>(-1)) {  // NOLINT(performance-no-int-to-ptr)
            std::fprintf(stderr,
                         "vespin: the C library cannot convert %s to %s (iconv: the gconv modules "
                         "are missing); nothing can be shown.\n",
                         from, to);
            std::_Exit(70);
        }
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // unitSize: bytes of one input character unit to skip when it cannot be converted;
    // 0: the input is UTF-8, and a whole character is skipped.
    std::string Convert(std::string_view in, size_t unitSize) {
        std::string out;
        out.resize(in.size() * 2 + 16);
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        size_t used = 0;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        while (srcLeft > 0) {
            char* dst = out.data() + used;
            size_t dstLeft = out.size() - used;
            size_t r = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
            used = out.size() - dstLeft;
            if (r != static_cast<size_t>(-1)) break;
            if (errno == E2BIG) {
                out.resize(out.size() * 2);
            } else {
                // EILSEQ or EINVAL: replace one unit and go on.
                if (out.size() - used < 1) out.resize(out.size() * 2);
                out[used++] = '?';
                size_t skip = std::min(srcLeft, unitSize == 0 ? Utf8Length(*src) : unitSize);
                // A UTF-16 surrogate pair is one character and becomes one '?'.
                if (unitSize == 2 && srcLeft >= 4) {
                    const auto* u = reinterpret_cast<const unsigned char*>(src);
                    if ((u[1] & 0xFC) == 0xD8 && (u[3] & 0xFC) == 0xDC) skip = 4;
                }
                src += skip;
                srcLeft -= skip;
                iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
            }
        }
        // Flush any shift state.
        for (;;) {
            char* dst = out.data() + used;
            size_t dstLeft = out.size() - used;
            if (iconv(m_cd, nullptr, nullptr, &dst, &dstLeft) != static_cast<size_t>(-1)) {
                used = out.size() - dstLeft;
                break;
            }
            out.resize(out.size() * 2 + 16);
        }
        out.resize(used);
        return out;
    }

private:
    iconv_t m_cd;
};

bool IsAscii(std::string_view s) {
    for (unsigned char c : s)
        if (c >= 0x80) return false;
    return true;
}

}  // namespace

std::string FromUtf8(std::string_view utf8) {
    if (IsAscii(utf8)) return std::string(utf8);
    thread_local Converter conv("CP932", "UTF-8");
    return conv.Convert(utf8, 0);
}

std::string ToUtf8(std::string_view s) {
    if (IsAscii(s)) return std::string(s);
    thread_local Converter conv("UTF-8", "CP932");
    return conv.Convert(s, 1);
}

std::string FromUtf16Le(std::string_view bytes) {
    thread_local Converter conv("CP932", "UTF-16LE");
    return conv.Convert(bytes, 2);
}

std::optional<char32_t> FirstUnstorable(std::string_view utf8) {
    for (size_t i = 0; i < utf8.size();) {
        const size_t n = Utf8Length(utf8[i]);
        const std::string_view c = utf8.substr(i, n);
        i += n;
        if (n == 1 && static_cast<unsigned char>(c[0]) < 0x80) continue;
        if (n == 1 || c.size() < n) return U'\uFFFD';
        if (FromUtf8(c) != "?") continue;
        char32_t cp = static_cast<unsigned char>(c[0]) & (0xFF >> (n + 1));
        for (size_t k = 1; k < n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(c[k]) & 0x3F);
        return cp;
    }
    return std::nullopt;
}

std::string CodePointName(char32_t c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(c));
    return buf;
}

}  // namespace sjis
