#include "model/labourlaw.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <span>
#include <tuple>

#include "model/texts.h"
#include "model/vespindoc.h"

namespace labourlaw {
namespace {

constexpr int kDay = 24 * 60;
constexpr int kNightEnd = 5 * 60;     // 0:00-5:00
constexpr int kNightStart = 22 * 60;  // 22:00-24:00
constexpr int kDailyLimit = 8 * 60;
constexpr int kOver60 = 60 * 60;
constexpr int kOver45 = 45 * 60;
constexpr int kSingleMonth = 100 * 60;
constexpr int kAverage = 80 * 60;

int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// The first day of the month (of a month that starts on day `start`) holding date.
int MonthStart(int date, int start) {
    int y, m, d;
    CivilDate(date, y, m, d);
    if (d < start && --m == 0) {
        m = 12;
        --y;
    }
    return DayNumber(y, m, start);
}

int NextMonth(int monthStart) {
    int y, m, d;
    CivilDate(monthStart, y, m, d);
    if (++m == 13) {
        m = 1;
        ++y;
    }
    return DayNumber(y, m, d);
}

// Walks the months (starting on day startDay) from lo's to hi, handing each its first and last
// day, the figures of its days and whether the book holds a day of it. Both ranges are in date
// order.
template <class Record, class OnMonth>
void ForEachMonth(int lo, int hi, int startDay, const std::vector<DayFigures>& figures,
                  Record first, Record last, OnMonth onMonth) {
    auto fig = figures.begin();
    for (int ms = MonthStart(lo, startDay); ms <= hi; ms = NextMonth(ms)) {
        const int end = NextMonth(ms) - 1;
        while (fig != figures.end() && fig->date < ms) ++fig;
        auto past = fig;
        while (past != figures.end() && past->date <= end) ++past;
        bool covered = false;
        for (; first != last && first->date <= end; ++first) covered = covered || first->date >= ms;
        onMonth(ms, end, std::span<const DayFigures>(fig, past), covered);
        fig = past;
    }
}

int AddMonths(int monthStart, int n) {
    int y, m, d;
    CivilDate(monthStart, y, m, d);
    int k = y * 12 + (m - 1) + n;
    return DayNumber(FloorDiv(k, 12), k - FloorDiv(k, 12) * 12 + 1, d);
}

int YearStart(int date, const lawsettings::Agreement& a) {
    int y, m, d;
    CivilDate(date, y, m, d);
    const int s = DayNumber(y, a.startMonth, a.startDay);
    return date >= s ? s : DayNumber(y - 1, a.startMonth, a.startDay);
}

int WeekStart(int date, int weekStart) { return date - (Weekday(date) - weekStart + 7) % 7; }

const lawsettings::CategoryMeaning* MeaningOf(const DayInput& d, const Params& p) {
    if (d.category < 0 || d.category >= 10) return nullptr;
    return &p.law.categories[static_cast<size_t>(d.category)];
}

// What a walk through one week and one wage month keeps.
struct Counters {
    int weekKey = INT32_MIN, counted = 0;
    int monthKey = INT32_MIN, monthOvertime = 0;
};

// One run of worked minutes with the same date and the same night status.
void Allocate(int n, bool legal, bool rest, bool night, int scheduled, int& daily, const Params& p,
              Counters& c, Figures& f) {
    if (night) f.night += n;
    if (legal) {
        f.legalHolidayWork += n;
        if (night) f.nightLegalHolidayWork += n;
        return;
    }
    if (rest) f.otherHolidayWork += n;
    const int weekly = p.law.week.weeklyLimit;
    while (n > 0) {
        int k;
        int* into;
        if (daily >= kDailyLimit) {
            k = n;
            into = &f.overtimeDaily;
        } else if (c.counted >= weekly) {
            k = std::min(n, kDailyLimit - daily);
            into = &f.overtimeWeekly;
        } else {
            k = std::min({n, kDailyLimit - daily, weekly - c.counted});
            if (daily < scheduled) {
                k = std::min(k, scheduled - daily);
                into = &f.regular;
            } else {
                into = &f.withinStatutory;
            }
            c.counted += k;
        }
        const bool overtime = into == &f.overtimeDaily || into == &f.overtimeWeekly;
        if (overtime) {
            if (c.monthOvertime < kOver60)
                k = std::min(k, kOver60 - c.monthOvertime);
            else
                f.over60 += k;
            c.monthOvertime += k;
            if (night) f.nightOvertime += k;
        }
        *into += k;
        daily += k;
        n -= k;
    }
}

}  // namespace

int DayNumber(int y, int m, int d) {
    y -= m <= 2;
    const int era = FloorDiv(y, 400);
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilDate(int z, int& y, int& m, int& d) {
    z += 719468;
    const int era = FloorDiv(z, 146097);
    const int doe = z - era * 146097;
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = yoe + era * 400 + (m <= 2);
}

int Weekday(int date) { return ((date + 4) % 7 + 7) % 7; }

std::string FormatDate(int date) {
    int y, m, d;
    CivilDate(date, y, m, d);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", y, m, d);
    return buf;
}

void Figures::Add(const Figures& o) {
    span += o.span;
    breakTime += o.breakTime;
    worked += o.worked;
    scheduledExcess += o.scheduledExcess;
    regular += o.regular;
    withinStatutory += o.withinStatutory;
    overtimeDaily += o.overtimeDaily;
    overtimeWeekly += o.overtimeWeekly;
    legalHolidayWork += o.legalHolidayWork;
    otherHolidayWork += o.otherHolidayWork;
    night += o.night;
    nightOvertime += o.nightOvertime;
    nightLegalHolidayWork += o.nightLegalHolidayWork;
    over60 += o.over60;
}

const char* RuleName(Rule r) {
    static const char* const names[] = {
        "month_limit",      "year_limit", "special_used", "special_count", "special_month_limit",
        "single_month_100", "avg_80",     "break_34",     "aneihou_80"};
    return names[static_cast<int>(r)];
}

std::string FindingText(const Finding& f) {
    return texts::Format1(texts::kFindingTexts[static_cast<int>(f.rule)], std::to_string(f.months));
}

std::string RuleLabel(Rule r) { return texts::kRuleLabels[static_cast<int>(r)]; }

bool IsAgreementRule(Rule r) { return r != Rule::break_34 && r != Rule::aneihou_80; }

int AverageUp(int sum, int k) { return (sum + k - 1) / k; }

std::string FindingFigures(const Finding& f) {
    using worktime::FormatHours;
    switch (f.rule) {
        case Rule::special_count:
            return texts::Format2(texts::kFindingCount, std::to_string(f.value),
                                  std::to_string(f.limit));
        case Rule::avg_80:
            return texts::Format2(texts::kFindingAverage, FormatHours(AverageUp(f.value, f.months)),
                                  FormatHours(f.limit));
        case Rule::break_34:
            return texts::Format2(texts::kFindingBreak, FormatHours(f.value), FormatHours(f.limit));
        case Rule::single_month_100:
            return texts::Format2(texts::kFindingBelow, FormatHours(f.value), FormatHours(f.limit));
        default:
            return texts::Format2(texts::kFindingLimit, FormatHours(f.value), FormatHours(f.limit));
    }
}

std::pair<int, int> AgreementYearRange(const lawsettings::Agreement& a, int date) {
    const int start = YearStart(date, a);
    return {start, AddMonths(start, 12) - 1};
}

bool IsRestDay(const DayInput& d, const Params& p) {
    if (d.workday != bookext::Mark::automatic) return d.workday == bookext::Mark::no;
    if (const auto* m = MeaningOf(d, p); m && m->meaning == lawsettings::Meaning::rest) return true;
    return d.type != 1;
}

int Scheduled(const DayInput& d, const Params& p) {
    const lawsettings::CategoryMeaning* m = MeaningOf(d, p);
    int s;
    if (d.workday == bookext::Mark::yes)
        s = p.rules.scheduled;
    else if (d.workday == bookext::Mark::no || (m && m->meaning == lawsettings::Meaning::rest))
        s = 0;
    else
        s = d.type == 1   ? p.rules.scheduled
            : d.type == 2 ? p.law.week.saturdayScheduled
                          : p.law.week.holidayScheduled;
    if (m && m->meaning == lawsettings::Meaning::leave) s = s * (100 - m->leaveHundredths) / 100;
    return s;
}

void Window(const Params& p, int from, int to, int& lo, int& hi) {
    const auto& a = p.law.agreement;
    const int wms = p.law.week.wageMonthStart;
    lo = std::min(
        {YearStart(from, a), AddMonths(MonthStart(from, a.startDay), -5), MonthStart(from, wms)});
    lo = WeekStart(lo, p.law.week.weekStart);
    hi = std::max(AddMonths(YearStart(to, a), 12), NextMonth(MonthStart(to, wms))) - 1;
    hi = WeekStart(hi, p.law.week.weekStart) + 6;
}

Result Compute(const std::vector<DayInput>& all, const Params& p, int from, int to) {
    Result r;
    // Only recorded days count: a range past the book's edges is the book's.
    if (all.empty()) return r;
    from = std::max(from, all.front().date);
    to = std::min(to, all.back().date);
    if (from > to) return r;
    int lo, hi;
    Window(p, from, to, lo, hi);
    const auto byDate = [](const DayInput& d, int date) { return d.date < date; };
    const auto first = std::lower_bound(all.begin(), all.end(), lo - 1, byDate);
    const auto last = std::lower_bound(first, all.end(), hi + 1, byDate);

    // What each date of the window (and the small hours after it) is: the day the walk needs
    // for dates the book does not hold is typed by its weekday.
    const int base = lo - 1, count = hi + 4 - base;
    std::vector<DayInput> dates(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        DayInput& d = dates[static_cast<size_t>(i)];
        d.date = base + i;
        const int wd = Weekday(d.date);
        d.type = wd == 0 ? 3 : wd == 6 ? 2 : 1;
    }
    std::vector<bool> recorded(static_cast<size_t>(count)), worked(static_cast<size_t>(count));
    std::vector<bool> legal(static_cast<size_t>(count)), rest(static_cast<size_t>(count));
    for (auto it = first; it != last; ++it) {
        dates[static_cast<size_t>(it->date - base)] = *it;
        recorded[static_cast<size_t>(it->date - base)] = true;
    }

    // The worked periods of each counted shift, on its own day's clock.
    struct Shift {
        const DayInput* day;
        int arrival, departure;
        int from, to;  // into periods
    };
    std::vector<Shift> shifts;
    std::vector<worktime::Period> periods;
    for (auto it = first; it != last; ++it) {
        if (!it->timed || it->unreadable || it->arrival < 0 || it->departure < 0) continue;
        int a = it->arrival, d = it->departure;
        if (d < a) d += kDay;
        if (d < a) continue;
        Shift s{&*it, a, d, static_cast<int>(periods.size()), 0};
        int at = a;
        for (const worktime::Period& b : p.rules.breaks) {
            if (b.to <= at || b.from >= d) continue;
            if (b.from > at) periods.push_back({at, b.from});
            at = std::max(at, b.to);
        }
        if (at < d) periods.push_back({at, d});
        s.to = static_cast<int>(periods.size());
        for (int k = s.from; k < s.to; ++k) {
            const worktime::Period& q = periods[static_cast<size_t>(k)];
            for (int day = q.from / kDay; day <= (q.to - 1) / kDay; ++day) {
                const int i = it->date + day - base;
                if (i >= 0 && i < count) worked[static_cast<size_t>(i)] = true;
            }
        }
        shifts.push_back(s);
    }

    // Which dates are the 法定休日.
    const auto& week = p.law.week;
    for (int i = 0; i < count; ++i) {
        const DayInput& d = dates[static_cast<size_t>(i)];
        rest[static_cast<size_t>(i)] = IsRestDay(d, p);
        bool l = d.legalHoliday == bookext::Mark::yes;
        if (week.legalHolidayRule == lawsettings::LegalHolidayRule::weekday)
            l = l || (d.legalHoliday == bookext::Mark::automatic &&
                      Weekday(d.date) == week.legalHolidayWeekday);
        legal[static_cast<size_t>(i)] = l;
    }
    if (week.legalHolidayRule == lawsettings::LegalHolidayRule::unspecified) {
        // A week with a day marked as the 法定休日 has it; otherwise, when every rest day of the
        // week was worked, the last of them is.
        for (int ws = WeekStart(base, week.weekStart); ws < base + count; ws += 7) {
            bool marked = false, allWorked = true;
            int lastRest = -1;
            for (int i = std::max(ws, base) - base; i < std::min(ws + 7, base + count) - base;
                 ++i) {
                const DayInput& d = dates[static_cast<size_t>(i)];
                marked = marked || d.legalHoliday == bookext::Mark::yes;
                if (!rest[static_cast<size_t>(i)] || d.legalHoliday == bookext::Mark::no) continue;
                lastRest = i;
                allWorked = allWorked && worked[static_cast<size_t>(i)];
            }
            if (!marked && lastRest >= 0 && allWorked) legal[static_cast<size_t>(lastRest)] = true;
        }
    }

    // The walk, minute runs in time order.
    std::vector<DayFigures> figures;
    figures.reserve(shifts.size());
    Counters c;
    long long prevEnd = INT64_MIN;
    int prevDate = 0;
    for (const Shift& s : shifts) {
        const DayInput& day = *s.day;
        const int wk = WeekStart(day.date, week.weekStart);
        if (wk != c.weekKey) c = {wk, 0, c.monthKey, c.monthOvertime};
        const int mk = MonthStart(day.date, week.wageMonthStart);
        if (mk != c.monthKey) {
            c.monthKey = mk;
            c.monthOvertime = 0;
        }
        const long long startAbs = static_cast<long long>(day.date) * kDay + s.arrival;
        if (startAbs < prevEnd) r.overlaps.push_back(prevDate);
        prevEnd = static_cast<long long>(day.date) * kDay + s.departure;
        prevDate = day.date;

        DayFigures df;
        df.date = day.date;
        Figures& f = df.f;
        const int scheduled = Scheduled(day, p);
        int daily = 0;
        for (int k = s.from; k < s.to; ++k) {
            const worktime::Period& q = periods[static_cast<size_t>(k)];
            for (int at = q.from; at < q.to;) {
                const int dayOff = at / kDay, tod = at % kDay;
                const int edge = dayOff * kDay + (tod < kNightEnd     ? kNightEnd
                                                  : tod < kNightStart ? kNightStart
                                                                      : kDay);
                const int runEnd = std::min(q.to, edge);
                const size_t i = static_cast<size_t>(day.date + dayOff - base);
                Allocate(runEnd - at, legal[i], rest[i], tod < kNightEnd || tod >= kNightStart,
                         scheduled, daily, p, c, f);
                f.worked += runEnd - at;
                at = runEnd;
            }
        }
        f.span = s.departure - s.arrival;
        f.breakTime = f.span - f.worked;
        f.scheduledExcess = std::max(0, f.worked - scheduled);
        if (s.to > s.from)
            df.midBreak = periods[static_cast<size_t>(s.to - 1)].to -
                          periods[static_cast<size_t>(s.from)].from - f.worked;
        df.breakNeeded = f.worked > 8 * 60 ? 60 : f.worked > 6 * 60 ? 45 : 0;
        figures.push_back(df);
    }
    std::erase_if(r.overlaps, [&](int d) { return d < from || d > to; });

    // Wage months.
    ForEachMonth(lo, hi, week.wageMonthStart, figures, first, last,
                 [&](int ms, int end, std::span<const DayFigures> days, bool covered) {
                     if (!covered || end < from || ms > to) return;
                     Period m;
                     m.start = ms;
                     m.end = end;
                     for (const DayFigures& d : days) {
                         ++m.days;
                         m.f.Add(d.f);
                         m.breakShortDays += d.BreakShort();
                     }
                     // 安衛法: hours beyond 40 a week over the month.
                     const long long beyond = 7LL * m.f.worked - 40LL * 60 * (m.end - m.start + 1);
                     if (beyond > 7LL * kAverage)
                         r.findings.push_back({Rule::aneihou_80, m.start,
                                               static_cast<int>(beyond / 7), kAverage, 0});
                     r.months.push_back(m);
                 });
    for (const DayFigures& d : figures) {
        if (d.date < from || d.date > to) continue;
        r.days.push_back(d);
        if (d.BreakShort())
            r.findings.push_back({Rule::break_34, d.date, d.midBreak, d.breakNeeded, 0});
    }

    // Agreement months and years.
    const auto& a = p.law.agreement;
    std::vector<AgreementMonth> months;
    ForEachMonth(lo, hi, a.startDay, figures, first, last,
                 [&](int ms, int end, std::span<const DayFigures> days, bool covered) {
                     AgreementMonth m;
                     m.start = ms;
                     m.end = end;
                     m.covered = covered;
                     for (const DayFigures& d : days) {
                         m.overtime += d.f.Overtime();
                         m.holiday += d.f.legalHolidayWork;
                     }
                     const size_t n = months.size();
                     for (size_t k = 2; k <= 6; ++k) {
                         if (n + 1 < k) break;
                         int sum = m.overtime + m.holiday;
                         bool defined = m.covered;
                         for (size_t j = n + 1 - k; j < n; ++j) {
                             sum += months[j].overtime + months[j].holiday;
                             defined = defined && months[j].covered;
                         }
                         if (defined) m.sums[k] = sum;
                     }
                     months.push_back(m);
                 });
    AgreementYear year;
    int yearOver45 = 0, yearRunning = 0;
    bool yearReported = false, yearCovered = false;
    const auto keepYear = [&] {
        if (year.end != 0 && yearCovered && year.end >= from && year.start <= to)
            r.years.push_back(year);
    };
    for (const AgreementMonth& m : months) {
        const int ys = YearStart(m.start, a);
        if (ys != year.start || (year.end == 0)) {
            keepYear();
            yearCovered = false;
            year = {ys, AddMonths(ys, 12) - 1, 0, 0, 0};
            yearOver45 = 0;
            yearRunning = 0;
            yearReported = false;
        }
        const int h = m.overtime, total = m.overtime + m.holiday;
        year.overtime += h;
        year.holiday += m.holiday;
        if (h > kOver45) year.monthsOver45 = ++yearOver45;
        yearRunning += h;
        yearCovered = yearCovered || m.covered;
        if (!m.covered || m.end < from || m.start > to) continue;
        r.agreementMonths.push_back(m);
        auto add = [&](Rule rule, int value, int limit, int k = 0) {
            r.findings.push_back({rule, m.start, value, limit, k});
        };
        if (!a.special && h > a.monthLimit) add(Rule::month_limit, h, a.monthLimit);
        if (a.special && h > a.monthLimit) add(Rule::special_used, h, a.monthLimit);
        if (a.special && h > kOver45 && yearOver45 > a.specialMaxMonths)
            add(Rule::special_count, yearOver45, a.specialMaxMonths);
        if (a.special && total > a.specialMonthLimit)
            add(Rule::special_month_limit, total, a.specialMonthLimit);
        if (total >= kSingleMonth) add(Rule::single_month_100, total, kSingleMonth);
        for (int k = 2; k <= 6; ++k)
            if (m.sums[k] > kAverage * k) add(Rule::avg_80, m.sums[k], kAverage, k);
        const int yearLimit = a.special ? a.specialYearLimit : a.yearLimit;
        if (!yearReported && yearRunning > yearLimit) {
            add(Rule::year_limit, yearRunning, yearLimit);
            yearReported = true;
        }
    }
    keepYear();
    std::stable_sort(r.findings.begin(), r.findings.end(),
                     [](const Finding& x, const Finding& y) { return x.date < y.date; });
    return r;
}

Params ParamsOf(const CVespinDoc& doc) { return {doc.Settings().m_workRules, doc.LawSettings()}; }

std::vector<DayInput> Inputs(const CVespinDoc& doc, int lo, int hi) {
    std::vector<DayInput> out;
    const std::vector<bookext::DayMark> marks = bookext::DayMarks(doc.Extension());
    auto mark = marks.begin();
    for (const auto& yr : doc.Years()) {
        // Fiscal years are stored in the order they were registered: take each one's days.
        const int fyFirst = DayNumber(yr->GetYear(), 4, 1);
        const int fyLast = DayNumber(yr->GetYear() + 1, 3, 31);
        if (fyLast < lo || fyFirst > hi) continue;
        for (int k = yr->GetFirstIndex(); k <= yr->GetLastIndex(); ++k) {
            const int date = fyFirst + (k - yr->GetFirstIndex());
            if (date < lo || date > hi) continue;
            const CDayRecord& r = *doc.Days()[k];
            DayInput d;
            d.date = date;
            d.type = r.GetDayType();
            d.category = r.GetCategory();
            d.timed = d.category >= 0 && d.category < 10 &&
                      doc.Settings().m_astrTimeFlags[static_cast<size_t>(d.category)] != "0";
            d.arrival = r.Start().empty() ? -1 : worktime::ParseStoredTime(r.Start());
            d.departure = r.End().empty() ? -1 : worktime::ParseStoredTime(r.End());
            d.unreadable =
                (!r.Start().empty() && d.arrival < 0) || (!r.End().empty() && d.departure < 0);
            out.push_back(d);
        }
    }
    std::sort(out.begin(), out.end(),
              [](const DayInput& x, const DayInput& y) { return x.date < y.date; });
    for (DayInput& d : out) {
        int y, m, dd;
        CivilDate(d.date, y, m, dd);
        const auto key = [](int ky, int km, int kd) { return (ky * 16 + km) * 32 + kd; };
        while (mark != marks.end() && key(mark->year, mark->month, mark->day) < key(y, m, dd))
            ++mark;
        if (mark != marks.end() && key(mark->year, mark->month, mark->day) == key(y, m, dd)) {
            d.legalHoliday = mark->legalHoliday;
            d.workday = mark->workday;
        }
    }
    return out;
}

Result Compute(const CVespinDoc& doc, int from, int to) {
    const Params p = ParamsOf(doc);
    int lo, hi;
    Window(p, from, to, lo, hi);
    return Compute(Inputs(doc, lo - 1, hi), p, from, to);
}

AgreementYearView AgreementYearOf(const CVespinDoc& doc, int y, int m) {
    AgreementYearView v;
    v.agreement = doc.LawSettings().agreement;
    std::tie(v.start, v.end) =
        AgreementYearRange(v.agreement, DayNumber(y, m, v.agreement.startDay));
    const Result r = Compute(doc, v.start, v.end);
    auto found = r.agreementMonths.begin();
    for (int ms = v.start; ms <= v.end; ms = NextMonth(ms)) {
        while (found != r.agreementMonths.end() && found->start < ms) ++found;
        if (found != r.agreementMonths.end() && found->start == ms) {
            v.months.push_back(*found);
        } else {
            AgreementMonth empty;
            empty.start = ms;
            empty.end = NextMonth(ms) - 1;
            v.months.push_back(empty);
        }
    }
    for (const AgreementYear& year : r.years)
        if (year.start == v.start) v.year = year;
    v.year.start = v.start;
    v.year.end = v.end;
    for (const Finding& f : r.findings) {
        if (f.rule == Rule::break_34)
            ++v.breakShortDays;
        else
            v.findings.push_back(f);
    }
    return v;
}

Period CalendarMonth(const CVespinDoc& doc, int y, int m) {
    Period month;
    month.start = DayNumber(y, m, 1);
    month.end = DayNumber(m == 12 ? y + 1 : y, m == 12 ? 1 : m + 1, 1) - 1;
    for (const DayFigures& d : Compute(doc, month.start, month.end).days) {
        ++month.days;
        month.f.Add(d.f);
        month.breakShortDays += d.BreakShort();
    }
    return month;
}

}  // namespace labourlaw
