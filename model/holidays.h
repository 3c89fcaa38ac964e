#pragma once

#include <array>
#include <string>
#include <vector>

// The public holidays of Japan by the law in force on each date: 国民の祝日に関する法律 with its
// amendments, and the laws of their own that added or moved days in 2019, 2020 and 2021.
// The tables hold from 1998 (the first registrable year) to 2099 (the end of the equinox
// formula's range).
namespace holidays {

constexpr int kFirstYear = 1998;
constexpr int kLastYear = 2099;

// Day of the week of a Gregorian date, 0 = Sunday.
int DayOfWeek(int y, int m, int d);
int DaysInMonth(int y, int m);

// 春分の日 (a day of March) and 秋分の日 (a day of September) of year y.
int VernalEquinoxDay(int y);
int AutumnalEquinoxDay(int y);

struct Holiday {
    int month;
    int day;
    const std::string* name;  // Shift-JIS
};

// The holidays of one calendar year: 国民の祝日, 振替休日 and 国民の休日.
class YearHolidays {
public:
    explicit YearHolidays(int year);
    int Year() const { return m_nYear; }
    // The name of the holiday on month m, day d, or nullptr.
    const std::string* Name(int m, int d) const;
    // All of them in date order.
    std::vector<Holiday> List() const;

private:
    int m_nYear;
    std::array<const std::string*, 367> m_names{};  // by day of the year, 1 = 1 January
};

}  // namespace holidays
