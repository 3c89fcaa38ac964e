#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/holidays.h"

// How the days of a registered year are typed: the fixed holiday table (the program's own,
// and the default) or the holiday law in force on each date, plus the company's own holidays.
// Read from the fifth and sixth lines of the settings.
struct CompanyHoliday {
    int year;  // 0: every year
    int month;
    int day;
};

struct CalendarRules {
    bool law = false;
    std::vector<CompanyHoliday> company;

    bool IsCompanyHoliday(int y, int m, int d) const;
};

// Reads line 5 (a first field of "祝日法" chooses the law) and line 6 (company holidays,
// "M/D" every year or "YYYY/M/D" once). Fields of line 6 that are no such date are left out;
// problem then gets the message that names them, else it is emptied.
CalendarRules ReadCalendarRules(const std::string& line5, const std::string& line6,
                                std::string& problem);

// The names of the holidays of the dates of one calendar year under the rules: the public
// holiday's name, else "会社休日" for a company holiday; none under the fixed table.
class HolidayNames {
public:
    explicit HolidayNames(const CalendarRules& rules) : m_rules(rules) {}
    // Shift-JIS; empty when the date is no holiday or the rules are not the law's.
    std::string Name(int y, int m, int d);

private:
    const CalendarRules& m_rules;
    holidays::YearHolidays m_year{0};
};

// The day types of fiscal year y, 1 April first (1 weekday, 2 Saturday, 3 Sunday or holiday).
// fixedTable is the document's table of fixed holidays, used unless the rules are the law's.
std::vector<int> FiscalYearDayTypes(int y, const CalendarRules& rules,
                                    const int (&fixedTable)[12][10]);

// Position of the date y-m-d in fiscal year fy (0 = 1 April), -1 when it is not one of its days.
int FiscalDayNumber(int fy, int y, int m, int d);
