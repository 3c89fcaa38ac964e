#include "model/calendarrules.h"

#include "model/dayrecord.h"
#include "model/settingsline.h"
#include "model/texts.h"

namespace {

bool ParseNumber(const std::string& s, size_t digitsMin, size_t digitsMax, int& out) {
    if (s.size() < digitsMin || s.size() > digitsMax) return false;
    out = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        out = out * 10 + (c - '0');
    }
    return true;
}

// "M/D" (year 0) or "YYYY/M/D"; false when the field is no such date.
bool ParseCompanyHoliday(const std::string& field, CompanyHoliday& out) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t slash; (slash = field.find('/', start)) != std::string::npos; start = slash + 1)
        parts.push_back(field.substr(start, slash - start));
    parts.push_back(field.substr(start));
    out = {};
    if (parts.size() == 3 && !ParseNumber(parts[0], 4, 4, out.year)) return false;
    if (parts.size() != 2 && parts.size() != 3) return false;
    const size_t m = parts.size() - 2;
    if (!ParseNumber(parts[m], 1, 2, out.month) || !ParseNumber(parts[m + 1], 1, 2, out.day))
        return false;
    if (out.month < 1 || out.month > 12 || out.day < 1) return false;
    // Every year's 2/29 is a day of the leap years.
    return out.day <= holidays::DaysInMonth(out.year == 0 ? 2000 : out.year, out.month);
}

}  // namespace

bool CalendarRules::IsCompanyHoliday(int y, int m, int d) const {
    for (const CompanyHoliday& c : company)
        if ((c.year == 0 || c.year == y) && c.month == m && c.day == d) return true;
    return false;
}

CalendarRules ReadCalendarRules(const std::string& line5, const std::string& line6,
                                std::string& problem) {
    CalendarRules rules;
    rules.law = SettingsField(line5, 1) == texts::kHolidayLawKeyword;
    problem.clear();

    std::vector<BadField> bad;
    size_t start = 0;
    for (int n = 1; start <= line6.size(); ++n) {
        size_t comma = line6.find(',', start);
        if (comma == std::string::npos) comma = line6.size();
        const std::string field = line6.substr(start, comma - start);
        start = comma + 1;
        const std::string date(TrimBlanks(field));
        CompanyHoliday day;
        if (date.empty()) continue;  // a trailing comma or an empty line
        if (ParseCompanyHoliday(date, day))
            rules.company.push_back(day);
        else
            bad.push_back({n, field});
    }
    if (!bad.empty()) problem = BadFieldsMessage(texts::kCompanyHolidayBad, bad);
    return rules;
}

std::string HolidayNames::Name(int y, int m, int d) {
    if (!m_rules.law) return {};
    if (m_year.Year() != y) m_year = holidays::YearHolidays(y);
    if (const std::string* name = m_year.Name(m, d)) return *name;
    if (m_rules.IsCompanyHoliday(y, m, d)) return texts::kCompanyHoliday;
    return {};
}

std::vector<int> FiscalYearDayTypes(int y, const CalendarRules& rules,
                                    const int (&fixedTable)[12][10]) {
    static const int order[12] = {4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3};
    std::vector<int> types;
    types.reserve(366);
    // Year 0 has no holidays: the fixed table needs none.
    holidays::YearHolidays spring(rules.law ? y + 1 : 0), autumn(rules.law ? y : 0);
    for (int i = 0; i < 12; ++i) {
        const int m = order[i];
        const int k = i < 9 ? y : y + 1;
        const holidays::YearHolidays& law = i < 9 ? autumn : spring;
        bool carry = false;
        for (int d = 1; d <= holidays::DaysInMonth(k, m); ++d) {
            const int w = holidays::DayOfWeek(k, m, d);
            int type = w == 0 ? kHoliday : (w == 6 ? kSaturday : kWeekday);
            if (rules.law) {
                if (law.Name(m, d)) type = kHoliday;
            } else if (carry) {
                // The fixed table: the day after a holiday on a Sunday, never carried on.
                carry = false;
                type = kHoliday;
            } else {
                for (int s = 0; s < 10; ++s) {
                    if (fixedTable[m - 1][s] == d) {
                        if (type == kHoliday) carry = true;
                        type = kHoliday;
                        break;
                    }
                }
            }
            types.push_back(type);

            // The fixed table: from 2000 these holidays move to the Monday of their week.
            const bool moving = (m == 1 && d == 15) || (m == 3 && d == 21) || (m == 10 && d == 10);
            if (!rules.law && k >= 2000 && moving && w >= 2 && w <= 6) {
                const size_t n = types.size() - 1;
                types[n - static_cast<size_t>(w) + 1] = kHoliday;
                if (types[n] == kHoliday) types[n] = w == 6 ? kSaturday : kWeekday;
            }
            // A company holiday on a Sunday carries nothing over.
            if (rules.IsCompanyHoliday(k, m, d)) types.back() = kHoliday;
        }
    }
    return types;
}

int FiscalDayNumber(int fy, int y, int m, int d) {
    if (m < 1 || m > 12 || d < 1 || d > holidays::DaysInMonth(y, m)) return -1;
    if (y != (m >= 4 ? fy : fy + 1)) return -1;
    int n = d - 1;
    for (int i = 4; i != m; i = i % 12 + 1) n += holidays::DaysInMonth(i >= 4 ? fy : fy + 1, i);
    return n;
}
