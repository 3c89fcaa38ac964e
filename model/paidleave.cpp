#include "model/paidleave.h"

#include <algorithm>

#include "model/civildate.h"
#include "model/texts.h"

namespace leave {
namespace {

constexpr int kTenure = 7;  // 0.5, 1.5, ... 6.5 years and more
constexpr int kFullTable[kTenure] = {10, 11, 12, 14, 16, 18, 20};
// 比例付与 by working days a week (1 to 4).
constexpr int kProportional[4][kTenure] = {
    {1, 2, 2, 2, 3, 3, 3},
    {3, 4, 4, 5, 6, 6, 7},
    {5, 6, 6, 8, 9, 10, 11},
    {7, 8, 9, 10, 12, 13, 15},
};
constexpr int kProportionalHoursBelow = 30 * 100;
constexpr int kProportionalDaysYear = 216;
// The most grants a ledger lists: a working life is far shorter.
constexpr int kMaxGrants = 400;

int OnOrAfter(const MonthDay& md, int day) {
    const int y = civil::FromSerial(day).y;
    const int s = civil::Serial(y, md.month, md.day);
    return s >= day ? s : civil::Serial(y + 1, md.month, md.day);
}

// The grant dates from the hire date up to asOf.
std::vector<int> GrantDates(int hire, const Policy& policy, int asOf) {
    const int legal = civil::AfterMonths(hire, 6);
    int first = legal;
    // The first of the company's dates after the day of hire, kept only when it comes earlier
    // than the law's: a uniform 4/1 gives new graduates hired on 4/1 the law's 10/1 first.
    for (const MonthDay& md : policy.first) first = std::min(first, OnOrAfter(md, hire + 1));
    std::vector<int> dates;
    for (int g = first; g <= asOf && static_cast<int>(dates.size()) < kMaxGrants;) {
        dates.push_back(g);
        g = policy.then ? OnOrAfter(*policy.then, g + 1)
                        : civil::AfterMonths(first, 12 * static_cast<int>(dates.size()));
    }
    return dates;
}

// Working days and attended days of the recorded days, summed up to each day.
class AttendanceSums {
public:
    explicit AttendanceSums(const std::vector<Day>& days) {
        if (days.empty()) return;
        m_first = m_last = days.front().date;
        for (const Day& d : days) {
            m_first = std::min(m_first, d.date);
            m_last = std::max(m_last, d.date);
        }
        const size_t n = static_cast<size_t>(m_last - m_first) + 2;
        m_work.assign(n, 0);
        m_attended.assign(n, 0);
        for (const Day& d : days) {
            const size_t i = static_cast<size_t>(d.date - m_first) + 1;
            const bool counts = d.workday && d.attendance != Attendance::excluded &&
                                d.attendance != Attendance::rest;
            m_work[i] = counts;
            m_attended[i] = counts && (d.attendance == Attendance::worked ||
                                       d.attendance == Attendance::deemed);
        }
        for (size_t i = 1; i < n; ++i) {
            m_work[i] += m_work[i - 1];
            m_attended[i] += m_attended[i - 1];
        }
    }
    bool Any() const { return !m_work.empty(); }
    int First() const { return m_first; }
    // Over the days [from, to).
    int Work(int from, int to) const { return Sum(m_work, from, to); }
    int Attended(int from, int to) const { return Sum(m_attended, from, to); }

private:
    int Sum(const std::vector<int>& v, int from, int to) const {
        if (v.empty()) return 0;
        from = std::clamp(from, m_first, m_last + 1);
        to = std::clamp(to, m_first, m_last + 1);
        return to <= from
                   ? 0
                   : v[static_cast<size_t>(to - m_first)] - v[static_cast<size_t>(from - m_first)];
    }
    int m_first = 0;
    int m_last = 0;
    std::vector<int> m_work;
    std::vector<int> m_attended;
};

std::string JapaneseDate(int day) {
    const civil::Ymd d = civil::FromSerial(day);
    return std::to_string(d.y) + "/" + std::to_string(d.m) + "/" + std::to_string(d.d);
}

}  // namespace

int GrantHalfDays(int n, const Contract* c) {
    const int k = std::min(n, kTenure - 1);
    const bool proportional =
        c && c->centiHours < kProportionalHoursBelow &&
        (c->daysPerWeek > 0 ? c->daysPerWeek <= 4 : c->daysPerYear <= kProportionalDaysYear);
    if (!proportional) return 2 * kFullTable[k];
    int row = c->daysPerWeek;
    if (row == 0) {
        const int y = c->daysPerYear;
        row = y >= 169 ? 4 : y >= 121 ? 3 : y >= 73 ? 2 : y >= 48 ? 1 : 0;
    }
    return row == 0 ? 0 : 2 * kProportional[row - 1][k];
}

Ledger ComputeLedger(const Employment& e, const Policy& policy, const std::vector<Day>& days,
                     int asOf) {
    Ledger out;
    const AttendanceSums sums(days);
    std::vector<int> dates;
    if (e.hire) dates = GrantDates(*e.hire, policy, asOf);

    // Grants, with the attendance of the period before each: from the hire date or the previous
    // grant. A grant earlier than the law asks counts the shortened part as attended.
    for (size_t n = 0; n < dates.size(); ++n) {
        Grant g;
        g.date = dates[n];
        const int from = n == 0 ? *e.hire : dates[n - 1];
        const int due = civil::AfterMonths(from, n == 0 ? 6 : 12);
        const int deemed = due > g.date ? sums.Work(g.date, due) : 0;
        if (!sums.Any() || from < sums.First()) {
            g.eligible = true;  // earned before the records: nothing says otherwise
        } else {
            g.workdays = sums.Work(from, g.date) + deemed;
            g.attended = sums.Attended(from, g.date) + deemed;
            g.eligible = g.workdays > 0 ? 5 * g.attended >= 4 * g.workdays : due > g.date;
        }
        g.halfDays = g.eligible ? GrantHalfDays(static_cast<int>(n), e.ContractOn(g.date)) : 0;
        g.expires = civil::AfterMonths(g.date, 24) - 1;
        for (const OpeningUse& u : e.opening)
            if (u.grant == g.date) g.used = std::min(u.halfDays, g.halfDays);
        out.grants.push_back(g);
    }

    // Takes in date order, each drawn on the grants in force that day.
    std::vector<const Day*> leaveDays;
    for (const Day& d : days)
        if (d.leaveHalfDays > 0 && d.date <= asOf) leaveDays.push_back(&d);
    std::stable_sort(leaveDays.begin(), leaveDays.end(),
                     [](const Day* a, const Day* b) { return a->date < b->date; });
    out.takes.reserve(leaveDays.size());
    std::vector<size_t> order(out.grants.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = policy.order == Order::oldestFirst ? i : order.size() - 1 - i;
    for (const Day* d : leaveDays) {
        Take t{d->date, d->category, d->leaveHalfDays, {}};
        int owed = t.halfDays;
        bool granted = false;
        for (size_t i : order) {
            Grant& g = out.grants[i];
            if (g.date > t.date || g.expires < t.date || g.halfDays == 0) continue;
            granted = true;
            const int part = std::min(owed, g.halfDays - g.used);
            if (part <= 0) continue;
            g.used += part;
            owed -= part;
            t.from.push_back({g.date, part});
            if (owed == 0) break;
        }
        if (owed > 0)
            out.problems.push_back(
                {Rule::noBalance, t.date,
                 texts::Format1(granted ? texts::kLeaveNoBalance : texts::kLeaveBeforeGrant,
                                JapaneseDate(t.date))});
        out.takes.push_back(std::move(t));
    }

    for (Grant& g : out.grants) {
        g.left = g.halfDays - g.used;
        if (g.expires < asOf) {
            g.expired = g.left;
            g.left = 0;
            if (g.expired > 0) out.expiries.push_back({g.date, g.expires + 1, g.expired});
        }
        out.balance += g.left;
    }
    std::stable_sort(out.expiries.begin(), out.expiries.end(),
                     [](const Expiry& a, const Expiry& b) { return a.date < b.date; });

    // The five days of each grant of ten days or more, within a year of its base date.
    for (const Grant& g : out.grants) {
        if (g.halfDays < 20 || !sums.Any() || g.date < sums.First()) continue;
        Obligation o;
        o.baseDate = g.date;
        o.deadline = civil::AfterMonths(g.date, 12) - 1;
        auto t = std::lower_bound(out.takes.begin(), out.takes.end(), o.baseDate,
                                  [](const Take& take, int day) { return take.date < day; });
        for (; t != out.takes.end() && t->date <= o.deadline; ++t)
            for (const Portion& p : t->from) o.taken += p.halfDays;
        o.status = o.taken >= o.required ? Status::met
                   : asOf <= o.deadline  ? Status::pending
                                         : Status::unmet;
        if (o.status == Status::unmet)
            out.problems.push_back(
                {Rule::fiveDays, o.deadline,
                 texts::Format2(texts::kLeaveFiveDaysUnmet, JapaneseDate(o.baseDate),
                                JapaneseDate(o.deadline))});
        out.obligations.push_back(o);
    }
    std::stable_sort(out.problems.begin(), out.problems.end(),
                     [](const Problem& a, const Problem& b) { return a.date < b.date; });
    return out;
}

int WorkdaysLeft(const std::vector<Day>& days, int after, int through) {
    auto d = std::lower_bound(days.begin(), days.end(), after + 1,
                              [](const Day& day, int date) { return day.date < date; });
    int n = 0;
    for (int date = after + 1; date <= through; ++date) {
        while (d != days.end() && d->date < date) ++d;
        if (d != days.end() && d->date == date) {
            n += d->workday && d->category.empty();
        } else {
            const int weekday = ((date + 4) % 7 + 7) % 7;  // 1970-01-01 was a Thursday
            n += weekday != 0 && weekday != 6;
        }
    }
    return n;
}

std::optional<FiveDayReminder> FiveDaysAtRisk(const Ledger& ledger, const std::vector<Day>& days,
                                              int asOf) {
    const int threeMonths = civil::AfterMonths(asOf, 3);
    for (const Obligation& o : ledger.obligations) {
        if (o.status != Status::pending || o.baseDate > asOf) continue;
        int ahead = 0;
        for (auto d = std::upper_bound(days.begin(), days.end(), asOf,
                                       [](int date, const Day&day) { return date < day.date; });
             d != days.end() && d->date <= o.deadline; ++d)
            ahead += d->leaveHalfDays;
        const int owed = o.required - o.taken - ahead;
        if (owed <= 0) continue;
        const int left = WorkdaysLeft(days, asOf, o.deadline);
        if (2 * left < owed || o.deadline < threeMonths)
            return FiveDayReminder{o.baseDate, o.deadline, owed, left};
    }
    return std::nullopt;
}

}  // namespace leave
