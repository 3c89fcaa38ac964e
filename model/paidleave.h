#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/employment.h"
#include "model/leavepolicy.h"

// The paid-leave ledger (年次有給休暇管理簿): grants after six months and each year with 80%
// attendance, their expiry after two years, the days taken from them, and the five days a
// year that must be taken of a grant of ten days or more. Days are counted in half days.
namespace leave {

// What a day counts as for the 80% attendance rule.
enum class Attendance {
    worked,    // attended
    deemed,    // attended without working (paid leave, statutory leaves)
    absent,    // a working day not attended
    excluded,  // not one of the working days of the period
    rest,      // the day became a rest day
};

struct Day {
    int date = 0;          // day number
    bool workday = false;  // one of the employee's scheduled working days (所定労働日)
    Attendance attendance = Attendance::absent;
    int leaveHalfDays = 0;  // paid leave taken: 0, 1 (half day) or 2
    std::string category;   // Shift-JIS, as recorded
};

struct Grant {
    int date = 0;
    int halfDays = 0;  // 0 when not eligible
    int expires = 0;   // the last day it can be used
    bool eligible = false;
    // Attendance over the period before the grant; workdays 0 when it is not known.
    int attended = 0;
    int workdays = 0;
    int used = 0;
    int expired = 0;
    int left = 0;
};

struct Portion {
    int grant = 0;  // date of the grant drawn on
    int halfDays = 0;
};

struct Take {
    int date = 0;
    std::string category;
    int halfDays = 0;
    std::vector<Portion> from;
};

struct Expiry {
    int grant = 0;
    int date = 0;  // the day it lapsed
    int halfDays = 0;
};

enum class Status { met, pending, unmet };

struct Obligation {
    int baseDate = 0;
    int deadline = 0;
    int required = 10;  // half days
    int taken = 0;
    Status status = Status::pending;
};

enum class Rule { noBalance, fiveDays };

struct Problem {
    Rule rule = Rule::noBalance;
    int date = 0;
    std::string text;  // Shift-JIS
};

struct Ledger {
    std::vector<Grant> grants;
    std::vector<Take> takes;
    std::vector<Expiry> expiries;
    int balance = 0;
    std::vector<Obligation> obligations;
    std::vector<Problem> problems;
};

// The days granted at the n-th grant (0 = the first, six months after hire) under a contract
// (nullptr or one of 30 hours or more, or 5 days a week, gets the full table), in half days.
int GrantHalfDays(int n, const Contract* contract);

// The ledger as of `asOf`: grants, takes and expiries up to that day. `days` are the recorded
// days in date order; a grant whose period begins before the first of them is taken as
// earned (nothing says otherwise), and no five-day duty is judged for it.
Ledger ComputeLedger(const Employment& employment, const Policy& policy,
                     const std::vector<Day>& days, int asOf);

// The working days (所定労働日) after `after` up to `through` still free for leave: the recorded
// working days not yet filled in (a day entered ahead is spoken for), and Monday to Friday
// where the book has no day yet. `days` in date order.
int WorkdaysLeft(const std::vector<Day>& days, int after, int through);

// A year's five days that will not be reached unless leave is taken.
struct FiveDayReminder {
    int baseDate = 0;
    int deadline = 0;
    int owed = 0;          // half days still to take, leave entered ahead counted as taken
    int workdaysLeft = 0;  // after asOf up to the deadline
};

// The first pending five days of `ledger` (computed as of asOf) with fewer working days left
// before the deadline than days owed, or a deadline within three months of asOf.
std::optional<FiveDayReminder> FiveDaysAtRisk(const Ledger& ledger, const std::vector<Day>& days,
                                              int asOf);

}  // namespace leave
