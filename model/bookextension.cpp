#include "model/bookextension.h"

#include <algorithm>
#include <tuple>

#include "model/employment.h"

#define XXH_INLINE_ALL
#include <xxhash.h>

namespace bookext {
namespace {

constexpr std::string_view kMagic = "VPXE";
constexpr size_t kHeadBytes = 4 + 2 + 4;
constexpr size_t kMarkBytes = 6;

void Put(std::string& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
}

uint32_t Get(std::string_view in, size_t pos, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<uint8_t>(in[pos + static_cast<size_t>(i)]);
    return v;
}

uint32_t Checksum(std::string_view payload) { return XXH32(payload.data(), payload.size(), 0); }

bool ValidDate(int y, int m, int d) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y < 1 || m < 1 || m > 12 || d < 1) return false;
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return d <= kDays[m - 1] + (m == 2 && leap ? 1 : 0);
}

auto Key(const DayMark& m) { return std::tuple(m.year, m.month, m.day); }

}  // namespace

const std::string* Extension::Find(uint16_t tag) const {
    for (const Section& s : m_sections)
        if (s.tag == tag) return &s.bytes;
    return nullptr;
}

void Extension::Set(uint16_t tag, std::string bytes) {
    auto it = std::find_if(m_sections.begin(), m_sections.end(),
                           [tag](const Section& s) { return s.tag == tag; });
    if (bytes.empty()) {
        if (it != m_sections.end()) m_sections.erase(it);
    } else if (it != m_sections.end()) {
        it->bytes = std::move(bytes);
    } else {
        m_sections.push_back({tag, std::move(bytes)});
    }
}

std::string Encode(const Extension& ext) {
    if (ext.Empty()) return {};
    std::string payload;
    for (const Section& s : ext.Sections()) {
        Put(payload, s.tag, 2);
        Put(payload, static_cast<uint32_t>(s.bytes.size()), 4);
        payload += s.bytes;
    }
    std::string out(kMagic);
    Put(out, kVersion, 2);
    Put(out, static_cast<uint32_t>(payload.size()), 4);
    out += payload;
    Put(out, Checksum(payload), 4);
    return out;
}

std::optional<Extension> Decode(std::string_view bytes) {
    Extension ext;
    if (bytes.empty()) return ext;
    if (bytes.size() < kHeadBytes + 4 || bytes.substr(0, 4) != kMagic ||
        Get(bytes, 4, 2) != kVersion)
        return std::nullopt;
    const uint32_t length = Get(bytes, 6, 4);
    if (length != bytes.size() - kHeadBytes - 4 || length == 0) return std::nullopt;
    const std::string_view payload = bytes.substr(kHeadBytes, length);
    if (Get(bytes, kHeadBytes + length, 4) != Checksum(payload)) return std::nullopt;

    for (size_t pos = 0; pos < payload.size();) {
        if (payload.size() - pos < 6) return std::nullopt;
        const uint16_t tag = static_cast<uint16_t>(Get(payload, pos, 2));
        const uint32_t n = Get(payload, pos + 2, 4);
        pos += 6;
        if (n == 0 || n > payload.size() - pos || ext.Find(tag)) return std::nullopt;
        std::string section(payload.substr(pos, n));
        if (tag == kDayMarksTag && !DecodeDayMarks(section)) return std::nullopt;
        if (tag == kEmploymentTag && !leave::DecodeEmployment(section)) return std::nullopt;
        ext.Set(tag, std::move(section));
        pos += n;
    }
    return ext;
}

std::string EncodeDayMarks(const std::vector<DayMark>& marks) {
    std::string out;
    for (const DayMark& m : marks) {
        Put(out, static_cast<uint32_t>(m.year), 2);
        Put(out, static_cast<uint32_t>(m.month), 1);
        Put(out, static_cast<uint32_t>(m.day), 1);
        Put(out, static_cast<uint32_t>(m.legalHoliday), 1);
        Put(out, static_cast<uint32_t>(m.workday), 1);
    }
    return out;
}

std::optional<std::vector<DayMark>> DecodeDayMarks(std::string_view bytes) {
    if (bytes.size() % kMarkBytes != 0) return std::nullopt;
    std::vector<DayMark> marks;
    marks.reserve(bytes.size() / kMarkBytes);
    for (size_t pos = 0; pos < bytes.size(); pos += kMarkBytes) {
        DayMark m;
        m.year = static_cast<int>(Get(bytes, pos, 2));
        m.month = static_cast<int>(Get(bytes, pos + 2, 1));
        m.day = static_cast<int>(Get(bytes, pos + 3, 1));
        const uint32_t h = Get(bytes, pos + 4, 1), w = Get(bytes, pos + 5, 1);
        if (!ValidDate(m.year, m.month, m.day) || h > 2 || w > 2 || (h == 0 && w == 0) ||
            (!marks.empty() && Key(marks.back()) >= Key(m)))
            return std::nullopt;
        m.legalHoliday = static_cast<Mark>(h);
        m.workday = static_cast<Mark>(w);
        marks.push_back(m);
    }
    return marks;
}

std::vector<DayMark> DayMarks(const Extension& ext) {
    const std::string* bytes = ext.Find(kDayMarksTag);
    if (!bytes) return {};
    return DecodeDayMarks(*bytes).value_or(std::vector<DayMark>{});
}

DayMark FindDayMark(const Extension& ext, int year, int month, int day) {
    for (const DayMark& m : DayMarks(ext))
        if (m.year == year && m.month == month && m.day == day) return m;
    return {year, month, day, Mark::automatic, Mark::automatic};
}

void SetDayMark(Extension& ext, const DayMark& mark) {
    std::vector<DayMark> marks = DayMarks(ext);
    auto it = std::lower_bound(marks.begin(), marks.end(), mark,
                               [](const DayMark& a, const DayMark& b) { return Key(a) < Key(b); });
    const bool keep = mark.legalHoliday != Mark::automatic || mark.workday != Mark::automatic;
    if (it != marks.end() && Key(*it) == Key(mark)) {
        if (keep)
            *it = mark;
        else
            marks.erase(it);
    } else if (keep) {
        marks.insert(it, mark);
    }
    ext.Set(kDayMarksTag, EncodeDayMarks(marks));
}

void DropFiscalYearMarks(Extension& ext, int fy) {
    std::vector<DayMark> marks = DayMarks(ext);
    std::erase_if(marks,
                  [fy](const DayMark& m) { return (m.month >= 4 ? m.year : m.year - 1) == fy; });
    ext.Set(kDayMarksTag, EncodeDayMarks(marks));
}

}  // namespace bookext
