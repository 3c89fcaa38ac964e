#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/bookextension.h"
#include "model/lawsettings.h"
#include "model/worktime.h"

class CVespinDoc;

// Working time as the law counts it (労働基準法 32・35・36・37条, 34条's breaks, 安衛法's 80
// hours): each worked minute walked in time order, shift by shift. Every figure is in minutes; a
// date is a day number (days since 1970-01-01).
namespace labourlaw {

int DayNumber(int y, int m, int d);
void CivilDate(int dayNumber, int& y, int& m, int& d);
// 0 = Sunday.
int Weekday(int dayNumber);
// YYYY-MM-DD.
std::string FormatDate(int dayNumber);

// One registered day of the book.
struct DayInput {
    int date = 0;
    int type = 1;             // 1 weekday, 2 Saturday, 3 Sunday or holiday
    int category = -1;        // slot of line 1, -1 none
    bool timed = false;       // the category is one with times
    int arrival = -1;         // minutes of the day's clock, -1 when not given
    int departure = -1;       // a departure before the arrival is the next morning
    bool unreadable = false;  // a time that is there but cannot be read
    bookext::Mark legalHoliday = bookext::Mark::automatic;
    bookext::Mark workday = bookext::Mark::automatic;
};

struct Params {
    worktime::Rules rules;
    lawsettings::Settings law;
};

struct Figures {
    int span = 0;
    int breakTime = 0;
    int worked = 0;
    int scheduledExcess = 0;  // 所定外: worked beyond the day's 所定
    int regular = 0;          // within the day's 所定
    int withinStatutory = 0;  // 法定内残業
    int overtimeDaily = 0;
    int overtimeWeekly = 0;
    int legalHolidayWork = 0;
    int otherHolidayWork = 0;  // on a 所定休日 that is not the 法定休日
    int night = 0;
    int nightOvertime = 0;
    int nightLegalHolidayWork = 0;
    int over60 = 0;
    int Overtime() const { return overtimeDaily + overtimeWeekly; }
    void Add(const Figures& f);
};

struct DayFigures {
    int date = 0;
    Figures f;
    int midBreak = 0;     // break minutes with work before and after them
    int breakNeeded = 0;  // 34条: 45 over 6 hours, 60 over 8
    bool BreakShort() const { return midBreak < breakNeeded; }
};

struct Period {
    int start = 0, end = 0;  // first and last day, inclusive
    int days = 0;            // counted days
    Figures f;
    int breakShortDays = 0;
};

struct AgreementMonth {
    int start = 0, end = 0;
    int overtime = 0, holiday = 0;
    bool covered = false;  // the book has days in it
    // Sum of 時間外 + 休日 over this and the k − 1 months before, for k = 2..6 (index k); -1
    // where a month of them is outside the book.
    int sums[7] = {-1, -1, -1, -1, -1, -1, -1};
};

struct AgreementYear {
    int start = 0, end = 0;
    int overtime = 0, holiday = 0;
    int monthsOver45 = 0;
};

enum class Rule {
    month_limit,
    year_limit,
    special_used,
    special_count,
    special_month_limit,
    single_month_100,
    avg_80,
    break_34,
    aneihou_80,
};
const char* RuleName(Rule r);

struct Finding {
    Rule rule;
    int date = 0;    // the month's first day, or the day
    int value = 0;   // minutes (a count for special_count; the sum over k months for avg_80)
    int limit = 0;   // minutes (a count for special_count; 80 hours for avg_80)
    int months = 0;  // k of avg_80
};

// What the finding means, in the program's words (Shift-JIS).
std::string FindingText(const Finding& f);
// The rule's short name, e.g. "月の限度時間" (Shift-JIS).
std::string RuleLabel(Rule r);
// The finding's value against its limit, e.g. "52:30 (限度 45:00)" (Shift-JIS); an average is
// rounded up to the minute, so that one over its limit never reads as the limit.
std::string FindingFigures(const Finding& f);
// Whether the rule is one of the 36協定's (month_limit … avg_80).
bool IsAgreementRule(Rule r);

struct Result {
    std::vector<DayFigures> days;                 // counted days in the range
    std::vector<Period> months;                   // wage months overlapping the range
    std::vector<AgreementMonth> agreementMonths;  // overlapping the range
    std::vector<AgreementYear> years;             // overlapping the range
    std::vector<Finding> findings;                // of those months and days, by date
    std::vector<int> overlaps;  // days whose shift runs into the next recorded shift
};

// The days a computation of [from, to] must see: the weeks, wage months and agreement year
// around them and the five agreement months before, for the averages.
void Window(const Params& p, int from, int to, int& lo, int& hi);

// The figures of [from, to] from the registered days (in date order; any days outside the
// window are passed over).
Result Compute(const std::vector<DayInput>& days, const Params& p, int from, int to);

// The 所定 of a day: line 7's on a 所定労働日, line 8's on Saturdays and holidays, shortened by a
// leave day's share; and whether the day is a 所定休日.
int Scheduled(const DayInput& d, const Params& p);
bool IsRestDay(const DayInput& d, const Params& p);

// The first and last day of the agreement year holding date.
std::pair<int, int> AgreementYearRange(const lawsettings::Agreement& a, int date);
// An average of sum over k months, rounded up to the minute.
int AverageUp(int sum, int k);

// The book's registered days of the window of [from, to], with its settings and marks.
std::vector<DayInput> Inputs(const CVespinDoc& doc, int lo, int hi);
Params ParamsOf(const CVespinDoc& doc);
Result Compute(const CVespinDoc& doc, int from, int to);
// 36協定の状況: the agreement year holding the agreement month that starts in calendar month
// y/m, all twelve months (those without recorded days not covered), its totals and findings.
struct AgreementYearView {
    int start = 0, end = 0;
    lawsettings::Agreement agreement;
    std::vector<AgreementMonth> months;
    AgreementYear year;             // zero when the book has no day in it
    std::vector<Finding> findings;  // the 36協定's and 安衛法's, by date
    int breakShortDays = 0;         // 34条's, counted
};
AgreementYearView AgreementYearOf(const CVespinDoc& doc, int y, int m);

// The calendar month y/m of the book: its counted days' figures summed (start, end, days, f,
// breakShortDays).
Period CalendarMonth(const CVespinDoc& doc, int y, int m);

}  // namespace labourlaw
