#include "model/labourlaw.h"

#include <gtest/gtest.h>

#include <map>

#include "framework/frameworktexts.h"
#include "framework/sjis.h"

using namespace labourlaw;
using bookext::Mark;

namespace {

constexpr int kDayMinutes = 24 * 60;
int T(const char* hhmm) { return worktime::ParseStoredTime(hhmm); }
int D(int m, int d, int y = 2026) { return DayNumber(y, m, d); }

// A book of registered days over [first, last], typed by weekday (Sundays 3, Saturdays 2),
// with shifts put on some of them.
struct Book {
    std::vector<DayInput> days;
    Params p;
    Book(int first, int last) {
        for (int d = first; d <= last; ++d) {
            DayInput in;
            in.date = d;
            in.type = Weekday(d) == 0 ? 3 : Weekday(d) == 6 ? 2 : 1;
            days.push_back(in);
        }
    }
    DayInput& At(int date) { return days[static_cast<size_t>(date - days.front().date)]; }
    Book& Work(int date, const char* from, const char* to, int category = 0) {
        DayInput& d = At(date);
        d.category = category;
        d.timed = true;
        d.arrival = T(from);
        d.departure = T(to);
        return *this;
    }
    Result Run(int from, int to) const { return Compute(days, p, from, to); }
    Figures Day(int date) const {
        for (const DayFigures& d : Run(date, date).days) return d.f;
        ADD_FAILURE() << FormatDate(date) << " not counted";
        return {};
    }
};

// Worked, within, daily, weekly, legal, other holiday, night, night overtime, night legal,
// over60, 所定外.
std::vector<int> V(const Figures& f) {
    return {f.worked,         f.withinStatutory,  f.overtimeDaily,
            f.overtimeWeekly, f.legalHolidayWork, f.otherHolidayWork,
            f.night,          f.nightOvertime,    f.nightLegalHolidayWork,
            f.over60,         f.scheduledExcess};
}

std::vector<std::string> Rules(const Result& r) {
    std::vector<std::string> out;
    for (const Finding& f : r.findings)
        out.push_back(std::string(RuleName(f.rule)) + " " + FormatDate(f.date) + " " +
                      std::to_string(f.value) + (f.months ? "/" + std::to_string(f.months) : ""));
    return out;
}

using I = std::vector<int>;

}  // namespace

TEST(LabourLaw, DailyFirstThenWeekly) {
    // Sunday 5 April 2026 is the 法定休日; Monday to Saturday.
    Book b(D(4, 1), D(4, 30));
    for (int d = D(4, 6); d <= D(4, 10); ++d) b.Work(d, "09:00", "18:00");
    b.Work(D(4, 11), "09:00", "18:00");
    // Saturday after 40 hours: all of it weekly 法定外, and all of it 所定外 (所定 0).
    EXPECT_EQ(V(b.Day(D(4, 11))), (I{480, 0, 0, 480, 0, 480, 0, 0, 0, 0, 480}));
    EXPECT_EQ(V(b.Day(D(4, 10))), (I{480, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    // Nine hours a day, Monday to Saturday: an hour a day, Saturday 1 + 8.
    for (int d = D(4, 13); d <= D(4, 18); ++d) b.Work(d, "09:00", "19:00");
    EXPECT_EQ(V(b.Day(D(4, 13))), (I{540, 0, 60, 0, 0, 0, 0, 0, 0, 0, 60}));
    EXPECT_EQ(V(b.Day(D(4, 18))), (I{540, 0, 60, 480, 0, 540, 0, 0, 0, 0, 540}));
    // A 7:30 schedule: the half hour up to 8 hours is 法定内.
    b.p.rules.scheduled = 450;
    EXPECT_EQ(V(b.Day(D(4, 13))), (I{540, 30, 60, 0, 0, 0, 0, 0, 0, 0, 90}));
    // Work on the Sunday 法定休日 is outside the 8 and 40 hours.
    b.Work(D(4, 19), "09:00", "20:00");
    EXPECT_EQ(V(b.Day(D(4, 19))), (I{600, 0, 0, 0, 600, 0, 0, 0, 0, 0, 600}));
}

TEST(LabourLaw, MidnightSplitsTheLegalHoliday) {
    Book b(D(4, 1), D(4, 30));
    b.p.rules.breaks.clear();
    // Saturday 20:00 to Sunday 6:00: 4 hours 法定内 on a rest day, 6 hours 休日労働 from 0:00,
    // 7 hours of night, 5 of them on the 法定休日.
    b.Work(D(4, 11), "20:00", "06:00");
    EXPECT_EQ(V(b.Day(D(4, 11))), (I{600, 240, 0, 0, 360, 240, 420, 0, 300, 0, 600}));
    // Sunday 20:00 to Monday 6:00: 休日労働 stops at 0:00; the rest is ordinary time.
    b.Work(D(4, 19), "20:00", "06:00");
    EXPECT_EQ(V(b.Day(D(4, 19))), (I{600, 360, 0, 0, 240, 0, 420, 0, 120, 0, 600}));
    // A night shift on a weekday: nine hours across midnight.
    b.Work(D(4, 21), "22:00", "07:00");
    EXPECT_EQ(V(b.Day(D(4, 21))), (I{540, 0, 60, 0, 0, 0, 420, 0, 0, 0, 60}));
    // Overlapping the next day's arrival is a problem of the first day.
    b.Work(D(4, 22), "06:30", "15:00");
    EXPECT_EQ(b.Run(D(4, 1), D(4, 30)).overlaps, (I{D(4, 21)}));
}

TEST(LabourLaw, SixtyHoursInTimeOrder) {
    // 20 weekdays of 11 hours (3 daily each), a Saturday of 2 weekly hours after a full week,
    // 8 hours on the Sunday 法定休日: 62 hours 法定外, 2 of them beyond 60 on the day the total
    // passes 60.
    Book b(D(4, 1), D(4, 30));
    const int weekdays[] = {1,  2,  3,  6,  7,  8,  9,  10, 13, 14,
                            15, 16, 17, 20, 21, 22, 23, 24, 27, 28};
    for (int d : weekdays) b.Work(D(4, d), "09:00", "21:00");
    b.Work(D(4, 25), "09:00", "11:00");
    b.Work(D(4, 26), "09:00", "18:00");
    const Result r = b.Run(D(4, 1), D(4, 30));
    ASSERT_EQ(r.months.size(), 1u);
    EXPECT_EQ(r.months[0].f.Overtime(), 62 * 60);
    EXPECT_EQ(r.months[0].f.over60, 120);
    EXPECT_EQ(r.months[0].f.legalHolidayWork, 480);
    EXPECT_EQ(b.Day(D(4, 28)).over60, 120);
    EXPECT_EQ(b.Day(D(4, 25)).overtimeWeekly, 120);
    EXPECT_EQ(r.agreementMonths[0].overtime, 62 * 60);
    EXPECT_EQ(Rules(r), (std::vector<std::string>{"month_limit 2026-04-01 3720"}));
}

TEST(LabourLaw, AgreementLimits) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, int>> months;  // (month of 2026, days of 5 hours daily)
        int sundays;                              // 8-hour Sundays in the last month
        std::vector<std::string> findings;
    } cases[] = {
        {"2-6 month averages across 90/75/80",
         {{4, 18}, {5, 15}, {6, 16}},
         0,
         {"special_used 2026-04-01 5400", "special_used 2026-05-01 4500",
          "avg_80 2026-05-01 9900/2", "special_used 2026-06-01 4800", "avg_80 2026-06-01 14700/3"}},
        {"100 hours exactly: 60 + 40",
         {{5, 12}},
         5,
         {"special_used 2026-05-01 3600", "special_month_limit 2026-05-01 6000",
          "single_month_100 2026-05-01 6000"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Book b(D(4, 1), D(9, 30));
        b.p.law.agreement.special = true;
        b.p.law.agreement.specialMonthLimit = 100 * 60 - 1;
        b.p.law.agreement.specialYearLimit = 720 * 60;
        b.p.law.agreement.specialMaxMonths = 6;
        int lastMonth = 4;
        for (const auto& [month, count] : c.months) {
            int n = 0;
            for (int d = D(month, 1); n < count; ++d)
                if (Weekday(d) != 0 && Weekday(d) != 6) {
                    b.Work(d, "09:00", "23:00");
                    ++n;
                }
            lastMonth = month;
        }
        int sundays = 0;
        for (int d = D(lastMonth, 1); sundays < c.sundays; ++d)
            if (Weekday(d) == 0) {
                b.Work(d, "09:00", "18:00");
                ++sundays;
            }
        EXPECT_EQ(Rules(b.Run(D(4, 1), D(9, 30))), c.findings);
    }
}

TEST(LabourLaw, TheSeventhMonthOver45AndTheYear) {
    Book b(D(4, 1, 2026), D(3, 31, 2027));
    auto& a = b.p.law.agreement;
    a.special = true;
    a.specialMonthLimit = 80 * 60;
    a.specialYearLimit = 720 * 60;
    a.specialMaxMonths = 6;
    // 46 hours of 法定外 in each of seven months.
    for (int k = 0; k < 7; ++k) {
        const int m = 4 + k;
        int n = 0;
        for (int d = D(m, 1); n < 10; ++d)
            if (Weekday(d) != 0 && Weekday(d) != 6) {
                b.Work(d, "09:00", "22:36");
                ++n;
            }
    }
    const Result r = b.Run(D(10, 1), D(10, 31));
    EXPECT_EQ(Rules(r), (std::vector<std::string>{"special_used 2026-10-01 2760",
                                                  "special_count 2026-10-01 7"}));
    ASSERT_EQ(r.years.size(), 1u);
    EXPECT_EQ(r.years[0].monthsOver45, 7);
    EXPECT_EQ(r.years[0].overtime, 7 * 2760);
    // Without the clause, the seventh month passes the 360 hours of the year too.
    a.special = false;
    a.yearLimit = 320 * 60;
    EXPECT_EQ(
        Rules(b.Run(D(10, 1), D(10, 31))),
        (std::vector<std::string>{"month_limit 2026-10-01 2760", "year_limit 2026-10-01 19320"}));
}

TEST(LabourLaw, BreaksOfArticle34) {
    Book b(D(4, 1), D(4, 30));
    b.p.rules.breaks = {{12 * 60, 12 * 60 + 30}};
    struct Case {
        const char* from;
        const char* to;
        int mid, needed;
    } cases[] = {
        {"09:00", "15:00", 0, 0},    // 6:00 exactly needs none (the break falls inside: 30)
        {"13:00", "19:00", 0, 0},    // 6:00 without a break
        {"13:00", "19:01", 0, 45},   // over 6 hours
        {"09:00", "17:30", 30, 45},  // 8:00 exactly needs 45 minutes
        {"12:00", "20:30", 0, 45},   // a break at the very start is not during the work
        {"09:00", "18:01", 30, 60},  // over 8 hours
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from + std::string("-") + c.to);
        b.Work(D(4, 6), c.from, c.to);
        const Result r = b.Run(D(4, 6), D(4, 6));
        ASSERT_EQ(r.days.size(), 1u);
        if (c.needed == 0 && std::string(c.from) == "09:00") {
            EXPECT_EQ(r.days[0].f.worked, 330);
            continue;
        }
        EXPECT_EQ(r.days[0].midBreak, c.mid);
        EXPECT_EQ(r.days[0].breakNeeded, c.needed);
        EXPECT_EQ(r.findings.size(), c.mid < c.needed ? 1u : 0u);
    }
}

TEST(LabourLaw, DesignationMarksLeaveAndWageMonths) {
    Book b(D(4, 1), D(5, 31));
    // Not designated: a week whose rest days were all worked has its last rest day as the
    // 法定休日 (Saturday, in a week from Sunday); one rested day leaves none.
    b.p.law.week.legalHolidayRule = lawsettings::LegalHolidayRule::unspecified;
    b.Work(D(4, 5), "09:00", "13:00").Work(D(4, 11), "09:00", "11:00");
    EXPECT_EQ(b.Day(D(4, 5)).legalHolidayWork, 0);
    EXPECT_EQ(b.Day(D(4, 11)).legalHolidayWork, 120);
    b.Work(D(4, 12), "09:00", "11:00");
    EXPECT_EQ(b.Day(D(4, 12)).legalHolidayWork, 0);
    // 振替: the Sunday marked as no 法定休日 and as a workday is an ordinary day with its 所定.
    b.p.law.week.legalHolidayRule = lawsettings::LegalHolidayRule::weekday;
    b.At(D(4, 12)).legalHoliday = Mark::no;
    b.At(D(4, 12)).workday = Mark::yes;
    b.Work(D(4, 12), "09:00", "19:00");
    EXPECT_EQ(V(b.Day(D(4, 12))), (I{540, 0, 60, 0, 0, 0, 0, 0, 0, 0, 60}));
    // Per day only: the Wednesday marked.
    b.p.law.week.legalHolidayRule = lawsettings::LegalHolidayRule::perDay;
    b.At(D(4, 15)).legalHoliday = Mark::yes;
    b.Work(D(4, 15), "09:00", "12:00").Work(D(4, 19), "09:00", "12:00");
    EXPECT_EQ(b.Day(D(4, 15)).legalHolidayWork, 180);
    EXPECT_EQ(b.Day(D(4, 19)).legalHolidayWork, 0);
    // A half day of leave halves the 所定.
    b.p.law.categories[4] = {lawsettings::Meaning::leave, 50};
    b.Work(D(4, 16), "09:00", "16:00", 4);
    EXPECT_EQ(b.Day(D(4, 16)).withinStatutory, 120);
    // Wage months from the 21st.
    b.p.law.week.wageMonthStart = 21;
    const Result r = b.Run(D(4, 1), D(5, 31));
    ASSERT_EQ(r.months.size(), 3u);
    EXPECT_EQ(FormatDate(r.months[1].start), "2026-04-21");
    EXPECT_EQ(FormatDate(r.months[1].end), "2026-05-20");
    EXPECT_EQ(r.months[0].days, 6);
}

// The walk minute by minute, as the rules read, against the computation on a year of random
// shifts: night shifts, Saturdays, Sundays, marks, a week from Monday and wage months from the
// 21st.
TEST(LabourLaw, AgreesWithAMinuteByMinuteWalk) {
    Book b(D(4, 1), D(3, 31, 2027));
    b.p.law.week.weekStart = 1;
    b.p.law.week.wageMonthStart = 21;
    b.p.rules.scheduled = 450;
    b.p.rules.breaks = {{12 * 60, 13 * 60}, {26 * 60, 26 * 60 + 30}};
    unsigned seed = 12345;
    auto rnd = [&](int n) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 8) % static_cast<unsigned>(n));
    };
    for (DayInput& d : b.days) {
        if (rnd(10) < 3) continue;
        d.category = 0;
        d.timed = true;
        d.arrival = rnd(3) == 0 ? 18 * 60 + rnd(360) : 6 * 60 + rnd(240);
        d.departure = (d.arrival + 4 * 60 + rnd(9 * 60)) % kDayMinutes;
        if (rnd(20) == 0) d.legalHoliday = Mark::no;
        if (rnd(25) == 0) d.legalHoliday = Mark::yes;
        if (rnd(25) == 0) d.workday = Mark::yes;
    }
    const Result r = b.Run(b.days.front().date, b.days.back().date);

    std::map<int, Figures> expected;
    int weekKey = -1, counted = 0, monthKey = -1, monthOvertime = 0;
    for (const DayInput& day : b.days) {
        if (day.arrival < 0) continue;
        const int wk = day.date - (Weekday(day.date) + 6) % 7;
        if (wk != weekKey) weekKey = wk, counted = 0;
        int y, m, dd;
        CivilDate(day.date, y, m, dd);
        const int mk = dd >= 21 ? y * 12 + m : y * 12 + m - 1;
        if (mk != monthKey) monthKey = mk, monthOvertime = 0;
        const int scheduled = Scheduled(day, b.p);
        const int end = day.departure < day.arrival ? day.departure + kDayMinutes : day.departure;
        Figures& f = expected[day.date];
        int daily = 0;
        for (int t = day.arrival; t < end; ++t) {
            bool inBreak = false;
            for (const auto& br : b.p.rules.breaks)
                inBreak = inBreak || (t >= br.from && t < br.to);
            if (inBreak) continue;
            ++f.worked;
            const int date = day.date + t / kDayMinutes, tod = t % kDayMinutes;
            const DayInput& on = date <= b.days.back().date ? b.At(date) : day;
            const bool night = tod < 300 || tod >= 1320;
            const bool legal = on.legalHoliday == Mark::yes ||
                               (on.legalHoliday == Mark::automatic && Weekday(date) == 0);
            f.night += night;
            if (legal) {
                ++f.legalHolidayWork;
                f.nightLegalHolidayWork += night;
                continue;
            }
            f.otherHolidayWork += IsRestDay(on, b.p);
            bool overtime = true;
            if (daily >= 480)
                ++f.overtimeDaily;
            else if (counted >= 2400)
                ++f.overtimeWeekly;
            else {
                overtime = false;
                ++counted;
                ++(daily < scheduled ? f.regular : f.withinStatutory);
            }
            ++daily;
            if (overtime) {
                f.over60 += monthOvertime >= 3600;
                ++monthOvertime;
                f.nightOvertime += night;
            }
        }
    }
    ASSERT_EQ(r.days.size(), expected.size());
    for (const DayFigures& d : r.days) {
        SCOPED_TRACE(FormatDate(d.date));
        const Figures& e = expected[d.date];
        EXPECT_EQ(V(d.f), (I{e.worked, e.withinStatutory, e.overtimeDaily, e.overtimeWeekly,
                             e.legalHolidayWork, e.otherHolidayWork, e.night, e.nightOvertime,
                             e.nightLegalHolidayWork, e.over60,
                             std::max(0, e.worked - Scheduled(b.At(d.date), b.p))}));
        EXPECT_EQ(d.f.regular, e.regular);
    }
}

TEST(LabourLaw, FindingFiguresAndTheAgreementYear) {
    // An average just over its limit never reads as the limit itself.
    const std::pair<Finding, const char*> cases[] = {
        {{Rule::month_limit, 0, 45 * 60 + 1, 45 * 60, 0}, "45:01 (限度 45:00)"},
        {{Rule::avg_80, 0, 2 * 80 * 60 + 1, 80 * 60, 2}, "平均 80:01 (限度 80:00)"},
        {{Rule::avg_80, 0, 3 * 85 * 60, 80 * 60, 3}, "平均 85:00 (限度 80:00)"},
        {{Rule::special_count, 0, 7, 6, 0}, "7回 (限度 6回)"},
        {{Rule::single_month_100, 0, 100 * 60, 100 * 60, 0}, "100:00 (100:00 未満)"},
        {{Rule::break_34, 0, 30, 45, 0}, "休憩 0:30 (必要 0:45)"},
    };
    for (const auto& [f, text] : cases) EXPECT_EQ(sjis::ToUtf8(FindingFigures(f)), text);

    lawsettings::Agreement a;
    EXPECT_EQ(AgreementYearRange(a, D(3, 31, 2027)), std::make_pair(D(4, 1), D(3, 31, 2027)));
    a.startMonth = 10;
    a.startDay = 16;
    EXPECT_EQ(AgreementYearRange(a, D(10, 15)), std::make_pair(D(10, 16, 2025), D(10, 15)));
    EXPECT_EQ(AgreementYearRange(a, D(10, 16)), std::make_pair(D(10, 16), D(10, 15, 2027)));
}
