#include "model/employment.h"

#include <algorithm>

#include "model/civildate.h"
#include "model/texts.h"

namespace leave {
namespace {

constexpr size_t kMaxRows = 1000;
constexpr int kMaxCentiHours = 168 * 100;
constexpr int kMaxOpeningHalfDays = 40;

// Adds the row, or replaces the one of the same date, keeping the rows in date order.
template <typename Row, typename Date>
std::string Put(std::vector<Row>& rows, const Row& row, Date date) {
    auto at = std::lower_bound(rows.begin(), rows.end(), row,
                               [&](const Row& a, const Row& b) { return date(a) < date(b); });
    if (at != rows.end() && date(*at) == date(row)) {
        *at = row;
        return {};
    }
    if (rows.size() >= kMaxRows) return texts::kEmploymentTooMany;
    rows.insert(at, row);
    return {};
}

bool InRange(int day) {
    const civil::Ymd d = civil::FromSerial(day);
    return d.y >= 1900 && d.y <= 2199;
}

bool ContractValid(const Contract& c) {
    const bool days = c.daysPerWeek > 0
                          ? c.daysPerWeek <= 7 && c.daysPerYear == 0
                          : c.daysPerWeek == 0 && c.daysPerYear >= 1 && c.daysPerYear <= 366;
    return days && c.centiHours > 0 && c.centiHours <= kMaxCentiHours;
}

void Put16(std::string& out, unsigned v) {
    out += static_cast<char>(v & 0xff);
    out += static_cast<char>((v >> 8) & 0xff);
}
void Put32(std::string& out, unsigned long v) {
    Put16(out, static_cast<unsigned>(v & 0xffff));
    Put16(out, static_cast<unsigned>((v >> 16) & 0xffff));
}
void PutDate(std::string& out, int day) {
    const civil::Ymd d = civil::FromSerial(day);
    Put32(out,
          static_cast<unsigned long>(d.y) * 10000 + static_cast<unsigned long>(d.m * 100 + d.d));
}

class Reader {
public:
    explicit Reader(std::string_view b) : m_bytes(b) {}
    bool U16(int& v) {
        if (m_bytes.size() - m_pos < 2) return false;
        v = Byte(0) | Byte(1) << 8;
        m_pos += 2;
        return true;
    }
    bool U32(long& v) {
        int lo = 0, hi = 0;
        if (!U16(lo) || !U16(hi)) return false;
        v = static_cast<long>(lo) | static_cast<long>(hi) << 16;
        return true;
    }
    bool Date(int& day) {
        long v = 0;
        if (!U32(v)) return false;
        const int y = static_cast<int>(v / 10000), m = static_cast<int>(v / 100 % 100),
                  d = static_cast<int>(v % 100);
        if (y < 1900 || y > 2199 || !civil::IsValid(y, m, d)) return false;
        day = civil::Serial(y, m, d);
        return true;
    }
    bool AtEnd() const { return m_pos == m_bytes.size(); }

private:
    int Byte(size_t i) const { return static_cast<unsigned char>(m_bytes[m_pos + i]); }
    std::string_view m_bytes;
    size_t m_pos = 0;
};

bool Digits(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A decimal number with at most `decimals` digits after the point, times 10^decimals; -1 when
// it is none or too large.
long Fixed(std::string_view t, int decimals) {
    const size_t dot = t.find('.');
    const std::string_view whole = t.substr(0, dot);
    const std::string_view frac = dot == std::string_view::npos ? "" : t.substr(dot + 1);
    if (!Digits(whole) || whole.size() > 6 || (dot != std::string_view::npos && !Digits(frac)) ||
        frac.size() > static_cast<size_t>(decimals))
        return -1;
    long v = 0;
    for (char c : whole) v = v * 10 + (c - '0');
    for (int i = 0; i < decimals; ++i)
        v = v * 10 + (static_cast<size_t>(i) < frac.size() ? frac[i] - '0' : 0);
    return v;
}

}  // namespace

const Contract* Employment::ContractOn(int day) const {
    const Contract* in = nullptr;
    for (const Contract& c : contracts)
        if (c.from <= day) in = &c;
    return in;
}

std::string SetHire(Employment& e, int day) {
    if (!InRange(day)) return texts::kHireDateWrong;
    e.hire = day;
    return {};
}

std::string SetContract(Employment& e, const Contract& c) {
    if (!InRange(c.from)) return texts::kContractDateWrong;
    if (e.hire && c.from < *e.hire) return texts::kContractBeforeHire;
    if (c.centiHours <= 0 || c.centiHours > kMaxCentiHours) return texts::kContractHoursWrong;
    if (!ContractValid(c)) return texts::kContractDaysWrong;
    return Put(e.contracts, c, [](const Contract& r) { return r.from; });
}

std::string SetOpeningUse(Employment& e, const OpeningUse& u) {
    if (!InRange(u.grant)) return texts::kLeaveUsedDateWrong;
    if (e.hire && u.grant < *e.hire) return texts::kLeaveUsedBeforeHire;
    if (u.halfDays < 0 || u.halfDays > kMaxOpeningHalfDays) return texts::kLeaveUsedDaysWrong;
    return Put(e.opening, u, [](const OpeningUse& r) { return r.grant; });
}

bool ParseContractDays(std::string_view text, Contract& c) {
    const bool yearly = !text.empty() && text.front() == 'y';
    if (yearly) text.remove_prefix(1);
    if (!Digits(text) || text.size() > 3) return false;
    int n = 0;
    for (char ch : text) n = n * 10 + (ch - '0');
    c.daysPerWeek = yearly ? 0 : n;
    c.daysPerYear = yearly ? n : 0;
    return yearly ? n >= 1 && n <= 366 : n >= 1 && n <= 7;
}

int ParseCentiHours(std::string_view text) {
    const long v = Fixed(text, 2);
    return v < 0 || v > kMaxCentiHours ? -1 : static_cast<int>(v);
}

int ParseHalfDays(std::string_view text) {
    const long tenths = Fixed(text, 1);
    if (tenths < 0 || tenths % 5 != 0) return -1;
    return static_cast<int>(tenths / 5);
}

std::string EncodeEmployment(const Employment& e) {
    std::string out;
    if (e.hire)
        PutDate(out, *e.hire);
    else
        Put32(out, 0);
    Put16(out, static_cast<unsigned>(e.contracts.size()));
    for (const Contract& c : e.contracts) {
        PutDate(out, c.from);
        Put16(out, static_cast<unsigned>(c.daysPerWeek));
        Put16(out, static_cast<unsigned>(c.daysPerYear));
        Put32(out, static_cast<unsigned long>(c.centiHours));
    }
    Put16(out, static_cast<unsigned>(e.opening.size()));
    for (const OpeningUse& u : e.opening) {
        PutDate(out, u.grant);
        Put16(out, static_cast<unsigned>(u.halfDays));
    }
    return out;
}

std::optional<Employment> DecodeEmployment(std::string_view bytes) {
    Reader r(bytes);
    Employment e;
    long hire = 0;
    if (!r.U32(hire)) return std::nullopt;
    if (hire != 0) {
        Reader again(bytes);
        int day = 0;
        if (!again.Date(day)) return std::nullopt;
        e.hire = day;
    }
    int n = 0;
    if (!r.U16(n) || static_cast<size_t>(n) > kMaxRows) return std::nullopt;
    for (int i = 0; i < n; ++i) {
        Contract c;
        long hours = 0;
        if (!r.Date(c.from) || !r.U16(c.daysPerWeek) || !r.U16(c.daysPerYear) || !r.U32(hours) ||
            hours > kMaxCentiHours)
            return std::nullopt;
        c.centiHours = static_cast<int>(hours);
        if (!ContractValid(c) || (!e.contracts.empty() && e.contracts.back().from >= c.from))
            return std::nullopt;
        e.contracts.push_back(c);
    }
    if (!r.U16(n) || static_cast<size_t>(n) > kMaxRows) return std::nullopt;
    for (int i = 0; i < n; ++i) {
        OpeningUse u;
        if (!r.Date(u.grant) || !r.U16(u.halfDays) || u.halfDays > kMaxOpeningHalfDays ||
            (!e.opening.empty() && e.opening.back().grant >= u.grant))
            return std::nullopt;
        e.opening.push_back(u);
    }
    if (!r.AtEnd()) return std::nullopt;
    return e;
}

}  // namespace leave
