#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The book's byte stream: 32-bit little-endian integers and length-prefixed strings.
// A storing archive appends to a buffer; a loading archive reads from a byte view and
// raises ArchiveException{endOfFile} on any read past the end, before allocating for it.
class CArchive {
public:
    enum Mode { store, load };

    // Storing archive over an output buffer.
    explicit CArchive(std::string& out) : m_mode(store), m_out(&out) {}
    // Loading archive over bytes that outlive the archive.
    explicit CArchive(std::string_view in) : m_mode(load), m_in(in) {}

    bool IsStoring() const { return m_mode == store; }

    void WriteInt(int32_t v);
    void WriteString(std::string_view s);
    // Bytes as they are, without a length.
    void WriteBytes(std::string_view bytes) { m_out->append(bytes); }

    int32_t ReadInt();
    std::string ReadString();
    void ReadString(std::string& s);

    // Bytes not yet read; a count or length that needs more is refused up front.
    size_t Remaining() const { return m_in.size() - m_pos; }
    // Takes every byte not yet read.
    std::string_view ReadRest() {
        const std::string_view rest = m_in.substr(m_pos);
        m_pos = m_in.size();
        return rest;
    }
    // Raises the end-of-file error unless at least n more bytes are there.
    void Require(uint64_t n) const;

    CArchive& operator<<(int32_t v) {
        WriteInt(v);
        return *this;
    }
    CArchive& operator<<(const std::string& s) {
        WriteString(s);
        return *this;
    }
    CArchive& operator>>(int32_t& v) {
        v = ReadInt();
        return *this;
    }
    CArchive& operator>>(std::string& s) {
        ReadString(s);
        return *this;
    }

private:
    uint8_t ReadByte();
    uint16_t ReadWord();
    uint32_t ReadDword();
    uint32_t ReadLength();

    Mode m_mode;
    std::string* m_out = nullptr;
    std::string_view m_in;
    size_t m_pos = 0;
};
