#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/settingsline.h"

class CDayRecord;

// Working time: what the recorded arrival and departure add up to per day, per month and per
// fiscal year to date. Every figure is in minutes; 24:30 is 1470.
namespace worktime {

struct Period {
    int from = 0;
    int to = 0;  // from < to
};

// The company's working-time rules: the scheduled time of a day and the fixed breaks (sorted,
// overlapping ones merged, so that no minute is taken off twice).
struct Rules {
    int scheduled = 8 * 60;
    std::vector<Period> breaks{{12 * 60, 13 * 60}};
};

struct RulesReading {
    Rules rules;
    std::vector<BadField> bad;
};

// Reads "H:MM,HH:MM-HH:MM,...": an empty line or field 1 gives 8:00, no break field gives the
// one break 12:00-13:00, "-" as the only break field gives none. A bad field is listed and its
// default used in its place.
RulesReading ParseRules(const std::string& line);
// The start-up message for bad fields (Shift-JIS).
std::string BadRulesMessage(const std::vector<BadField>& bad);

// "HH:MM" as the entry stores it, in minutes; -1 when it is not such a time.
int ParseStoredTime(std::string_view t);
// H:MM with as many hour digits as needed: 0:00, 8:00, 152:30.
std::string FormatHours(int minutes);
// A break as the settings write it: HH:MM-HH:MM.
std::string FormatPeriod(const Period& p);

struct DayFigures {
    int span = 0;         // 拘束
    int breakTime = 0;    // 休憩
    int worked = 0;       // 実働
    int overtime = 0;     // 所定外
    int night = 0;        // 深夜
    int holidayWork = 0;  // 休日労働
};

enum class DayState {
    none,        // nothing to count: no times and no category that needs them
    counted,     // figures filled in
    incomplete,  // times missing, unreadable or reversed, or given where the category has none
};

DayState EvaluateDay(const CDayRecord& day, const Rules& rules,
                     const std::array<std::string, 10>& timeFlags, DayFigures& out);

struct Totals {
    int days = 0;  // counted days
    DayFigures sum;
};

struct CountedDay {
    int index = 0;  // in the document's day list
    DayFigures figures;
};

struct MonthSummary {
    int fiscalYear = 0;
    int month = 0;
    int calendarYear = 0;
    Totals monthTotals;
    Totals yearTotals;                   // April of the fiscal year up to and including the month
    std::array<int, 10> categoryDays{};  // days per category slot, as the printed sheet counts
    std::vector<int> incomplete;         // day indices
    std::vector<CountedDay> days;        // counted days of the month, in date order
};

}  // namespace worktime
