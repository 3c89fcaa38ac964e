#include "model/holidays.h"

#include <map>
#include <string_view>

#include "framework/sjis.h"

namespace holidays {
namespace {

constexpr int kOpen = 9999;

enum class When {
    date,      // a fixed date: the day n of the month
    monday,    // the n-th Monday of the month
    vernal,    // 春分日
    autumnal,  // 秋分日
};

struct Rule {
    const char* name;
    int from, until;  // the years in which the law reads so
    int month;
    When when;
    int n;
};

// 国民の祝日 (Article 2 of the law), each as the law read in the years given.
constexpr Rule kLaw[] = {
    {"元日", 1949, kOpen, 1, When::date, 1},
    {"成人の日", 1949, 1999, 1, When::date, 15},
    {"成人の日", 2000, kOpen, 1, When::monday, 2},
    {"建国記念の日", 1967, kOpen, 2, When::date, 11},
    {"天皇誕生日", 2020, kOpen, 2, When::date, 23},
    {"春分の日", 1949, kOpen, 3, When::vernal, 0},
    {"天皇誕生日", 1949, 1988, 4, When::date, 29},
    {"みどりの日", 1989, 2006, 4, When::date, 29},
    {"昭和の日", 2007, kOpen, 4, When::date, 29},
    {"憲法記念日", 1949, kOpen, 5, When::date, 3},
    {"みどりの日", 2007, kOpen, 5, When::date, 4},
    {"こどもの日", 1949, kOpen, 5, When::date, 5},
    {"海の日", 1996, 2002, 7, When::date, 20},
    {"海の日", 2003, kOpen, 7, When::monday, 3},
    {"山の日", 2016, kOpen, 8, When::date, 11},
    {"敬老の日", 1966, 2002, 9, When::date, 15},
    {"敬老の日", 2003, kOpen, 9, When::monday, 3},
    {"秋分の日", 1948, kOpen, 9, When::autumnal, 0},
    {"体育の日", 1966, 1999, 10, When::date, 10},
    {"体育の日", 2000, 2019, 10, When::monday, 2},
    {"スポーツの日", 2020, kOpen, 10, When::monday, 2},
    {"文化の日", 1948, kOpen, 11, When::date, 3},
    {"勤労感謝の日", 1948, kOpen, 11, When::date, 23},
    {"天皇誕生日", 1989, 2018, 12, When::date, 23},
};

// The special measures for the Tokyo Olympic and Paralympic Games moved three holidays of
// 2020 and 2021 to other dates.
struct Moved {
    int year;
    const char* name;
    int month, day;
};
constexpr Moved kMoved[] = {
    {2020, "海の日", 7, 23}, {2020, "スポーツの日", 7, 24}, {2020, "山の日", 8, 10},
    {2021, "海の日", 7, 22}, {2021, "スポーツの日", 7, 23}, {2021, "山の日", 8, 8},
};

// Days made holidays by laws of their own (the enthronement of 2019). For 振替休日 and
// 国民の休日 they count as 国民の祝日.
struct Once {
    int year, month, day;
    const char* name;
};
constexpr Once kOnce[] = {
    {2019, 5, 1, "即位の日"},
    {2019, 10, 22, "即位礼正殿の儀の行われる日"},
};

// 振替休日 (Article 3(2)): until 2006 the day after a 国民の祝日 that falls on a Sunday; from
// 2007 the nearest following day that is no 国民の祝日.
constexpr int kSubstituteNearestFrom = 2007;
// 国民の休日 (Article 3(3)): a day between two 国民の祝日; until 2006 neither a Sunday nor a
// 振替休日.
constexpr int kBetweenOnSundayFrom = 2007;

const char* const kSubstitute = "振替休日";
const char* const kBetween = "国民の休日";

// The names in Shift-JIS, converted once each.
const std::string* Sjis(const char* utf8) {
    static std::map<std::string_view, std::string> cache;
    auto it = cache.find(utf8);
    if (it == cache.end()) it = cache.emplace(utf8, sjis::FromUtf8(utf8)).first;
    return &it->second;
}

bool IsLeap(int y) { return y % 400 == 0 || (y % 4 == 0 && y % 100 != 0); }

int DayOfYear(int y, int m, int d) {
    for (int i = 1; i < m; ++i) d += DaysInMonth(y, i);
    return d;
}

int NthMonday(int y, int m, int n) {
    const int firstMonday = 1 + (8 - DayOfWeek(y, m, 1)) % 7;
    return firstMonday + 7 * (n - 1);
}

int DayOf(const Rule& r, int y) {
    switch (r.when) {
        case When::date:
            return r.n;
        case When::monday:
            return NthMonday(y, r.month, r.n);
        case When::vernal:
            return VernalEquinoxDay(y);
        case When::autumnal:
            return AutumnalEquinoxDay(y);
    }
    return 0;
}

// The well-known approximation of the equinox days, valid for 1980 to 2099:
// int(base + 0.242194 * (y - 1980)) - int((y - 1980) / 4), here in exact integer arithmetic.
int EquinoxDay(int y, long base1e6) {
    const long t = y - 1980;
    return static_cast<int>((base1e6 + 242194L * t) / 1000000L - t / 4);
}

}  // namespace

int DayOfWeek(int y, int m, int d) {
    static const int t[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (m < 3) y -= 1;
    return (y + y / 4 - y / 100 + y / 400 + t[m - 1] + d) % 7;
}

int DaysInMonth(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

int VernalEquinoxDay(int y) { return EquinoxDay(y, 20843100L); }
int AutumnalEquinoxDay(int y) { return EquinoxDay(y, 23248800L); }

YearHolidays::YearHolidays(int year) : m_nYear(year) {
    if (year < kFirstYear || year > kLastYear) return;
    std::array<bool, 367> national{};
    auto mark = [&](int m, int d, const char* name) {
        const int k = DayOfYear(year, m, d);
        m_names[static_cast<size_t>(k)] = Sjis(name);
        national[static_cast<size_t>(k)] = true;
    };
    for (const Rule& r : kLaw) {
        if (year < r.from || year > r.until) continue;
        int m = r.month, d = DayOf(r, year);
        for (const Moved& mv : kMoved) {
            if (mv.year == year && std::string_view(mv.name) == r.name) {
                m = mv.month;
                d = mv.day;
            }
        }
        mark(m, d, r.name);
    }
    for (const Once& o : kOnce)
        if (o.year == year) mark(o.month, o.day, o.name);

    const int days = IsLeap(year) ? 366 : 365;
    const int jan1 = DayOfWeek(year, 1, 1);
    auto sunday = [&](int k) { return (jan1 + k - 1) % 7 == 0; };
    auto isNational = [&](int k) {
        return k >= 1 && k <= days && national[static_cast<size_t>(k)];
    };

    for (int k = 1; k <= days; ++k) {
        if (!isNational(k) || !sunday(k)) continue;
        int s = k + 1;
        if (year >= kSubstituteNearestFrom)
            while (isNational(s)) ++s;
        if (s <= days && !isNational(s)) m_names[static_cast<size_t>(s)] = Sjis(kSubstitute);
    }
    for (int k = 2; k < days; ++k) {
        const size_t i = static_cast<size_t>(k);
        if (m_names[i] || !isNational(k - 1) || !isNational(k + 1)) continue;
        if (year < kBetweenOnSundayFrom && sunday(k)) continue;
        m_names[i] = Sjis(kBetween);
    }
}

const std::string* YearHolidays::Name(int m, int d) const {
    if (m < 1 || m > 12 || d < 1 || d > DaysInMonth(m_nYear, m)) return nullptr;
    return m_names[static_cast<size_t>(DayOfYear(m_nYear, m, d))];
}

std::vector<Holiday> YearHolidays::List() const {
    std::vector<Holiday> out;
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= DaysInMonth(m_nYear, m); ++d)
            if (const std::string* name = Name(m, d)) out.push_back({m, d, name});
    return out;
}

}  // namespace holidays
