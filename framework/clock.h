#pragma once

#include <optional>

// The local date and time, in one place so that tests can set it.
struct LocalTime {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int weekday = 0;  // 0 = Sunday
};

namespace clock_ {

LocalTime Now();
// Fixes the clock at t (tests); std::nullopt returns to the system clock.
void SetFixed(std::optional<LocalTime> t);
// Whether a test has fixed the clock.
bool IsFixed();

}  // namespace clock_

// The fiscal year (April to March) that a date lies in.
inline int FiscalYearOf(int year, int month) { return month <= 3 ? year - 1 : year; }
// The calendar year of month (1..12) in fiscal year fiscalYear: January to March lie in the next.
inline int CalendarYearOf(int fiscalYear, int month) {
    return month <= 3 ? fiscalYear + 1 : fiscalYear;
}
