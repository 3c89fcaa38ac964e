#include "framework/sjis.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

namespace sjis {
namespace {

// One converter per direction for the whole run; iconv descriptors are costly to open.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {
        if (m_cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open failed");
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // unitSize: bytes of one input character unit to skip when it cannot be converted.
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
                size_t skip = std::min(srcLeft, unitSize);
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
    static Converter conv("CP932", "UTF-8");
    return conv.Convert(utf8, 1);
}

std::string ToUtf8(std::string_view s) {
    if (IsAscii(s)) return std::string(s);
    static Converter conv("UTF-8", "CP932");
    return conv.Convert(s, 1);
}

std::string FromUtf16Le(std::string_view bytes) {
    static Converter conv("CP932", "UTF-16LE");
    return conv.Convert(bytes, 2);
}

}  // namespace sjis
