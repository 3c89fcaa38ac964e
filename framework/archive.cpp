#include "framework/archive.h"

#include <cstring>

#include "framework/fileerror.h"
#include "framework/sjis.h"

void CArchive::WriteInt(int32_t v) {
    const uint32_t u = static_cast<uint32_t>(v);
    const char b[4] = {static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF),
                       static_cast<char>((u >> 16) & 0xFF), static_cast<char>((u >> 24) & 0xFF)};
    m_out->append(b, 4);
}

void CArchive::WriteString(std::string_view s) {
    const size_t n = s.size();
    if (n < 255) {
        m_out->push_back(static_cast<char>(n));
    } else if (n < 0xFFFE) {
        const char b[3] = {'\xFF', static_cast<char>(n & 0xFF), static_cast<char>((n >> 8) & 0xFF)};
        m_out->append(b, 3);
    } else {
        const char b[3] = {'\xFF', '\xFF', '\xFF'};
        m_out->append(b, 3);
        WriteInt(static_cast<int32_t>(static_cast<uint32_t>(n)));
    }
    m_out->append(s.data(), n);
}

void CArchive::Require(uint64_t n) const {
    if (n > Remaining()) throw ArchiveException{ArchiveException::endOfFile};
}

uint8_t CArchive::ReadByte() {
    Require(1);
    return static_cast<uint8_t>(m_in[m_pos++]);
}

uint16_t CArchive::ReadWord() {
    Require(2);
    const auto* p = reinterpret_cast<const uint8_t*>(m_in.data() + m_pos);
    m_pos += 2;
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t CArchive::ReadDword() {
    Require(4);
    const auto* p = reinterpret_cast<const uint8_t*>(m_in.data() + m_pos);
    m_pos += 4;
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

int32_t CArchive::ReadInt() { return static_cast<int32_t>(ReadDword()); }

// The length after a prefix already known not to be the wide marker.
uint32_t CArchive::ReadLength() {
    const uint8_t b = ReadByte();
    if (b < 0xFF) return b;
    const uint16_t w = ReadWord();
    if (w < 0xFFFF) return w;
    return ReadDword();
}

std::string CArchive::ReadString() {
    std::string s;
    ReadString(s);
    return s;
}

void CArchive::ReadString(std::string& s) {
    uint32_t n = 0;
    bool wide = false;
    const uint8_t b = ReadByte();
    if (b < 0xFF) {
        n = b;
    } else {
        const uint16_t w = ReadWord();
        if (w == 0xFFFE) {
            wide = true;
            n = ReadLength();
        } else if (w < 0xFFFF) {
            n = w;
        } else {
            n = ReadDword();
        }
    }
    if (!wide) {
        Require(n);
        s.assign(m_in.data() + m_pos, n);
        m_pos += n;
        return;
    }
    const uint64_t bytes = static_cast<uint64_t>(n) * 2;
    Require(bytes);
    s = sjis::FromUtf16Le(m_in.substr(m_pos, static_cast<size_t>(bytes)));
    m_pos += static_cast<size_t>(bytes);
}
