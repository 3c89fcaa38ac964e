#include "model/worksummary.h"

#include <algorithm>

#include "model/bookextension.h"
#include "model/dayrecord.h"
#include "model/labourlaw.h"
#include "model/vespindoc.h"

namespace worktime {
namespace {

void Add(DayFigures& sum, const DayFigures& d) {
    sum.span += d.span;
    sum.breakTime += d.breakTime;
    sum.worked += d.worked;
    sum.overtime += d.overtime;
    sum.night += d.night;
    sum.holidayWork += d.holidayWork;
}

}  // namespace

std::optional<MonthSummary> SummarizeMonth(const CVespinDoc& doc, int fiscalYear, int month) {
    const auto [first, last] = doc.MonthRange(fiscalYear, month);
    if (first < 0) return std::nullopt;
    MonthSummary s;
    s.fiscalYear = fiscalYear;
    s.month = month;
    s.calendarYear = month <= 3 ? fiscalYear + 1 : fiscalYear;

    // The fiscal year's months lie in order from April, so the year to date is one run of days.
    const int yearFirst = doc.MonthRange(fiscalYear, 4).first;
    const Rules& rules = doc.Settings().m_workRules;
    // 所定外 is beyond the day's own 所定: none on a 所定休日 unless the settings give one, a
    // leave day's share off, the day's marks first.
    const labourlaw::Params params = labourlaw::ParamsOf(doc);
    const std::vector<bookext::DayMark> marks = bookext::DayMarks(doc.Extension());
    auto mark = marks.begin();
    for (int k = yearFirst; k <= last; ++k) {
        const CDayRecord& day = *doc.Days()[k];
        DayFigures f;
        const DayState state = EvaluateDay(day, rules, doc.Settings().m_astrTimeFlags, f);
        if (state == DayState::counted) {
            labourlaw::DayInput in;
            in.type = day.GetDayType();
            in.category = day.GetCategory();
            // Days and marks are both in date order.
            const auto key = [](int y, int m, int d) { return (y * 16 + m) * 32 + d; };
            const int today = key(day.GetYear(), day.GetMonth(), day.GetDay());
            while (mark != marks.end() && key(mark->year, mark->month, mark->day) < today) ++mark;
            if (mark != marks.end() && key(mark->year, mark->month, mark->day) == today) {
                in.legalHoliday = mark->legalHoliday;
                in.workday = mark->workday;
            }
            f.overtime = std::max(0, f.worked - labourlaw::Scheduled(in, params));
        }
        if (state == DayState::counted) {
            ++s.yearTotals.days;
            Add(s.yearTotals.sum, f);
        }
        if (k < first) continue;
        if (const int c = day.GetCategory(); c >= 0 && c < 10)
            ++s.categoryDays[static_cast<size_t>(c)];
        if (state == DayState::counted) {
            ++s.monthTotals.days;
            Add(s.monthTotals.sum, f);
            s.days.push_back({k, f});
        } else if (state == DayState::incomplete) {
            s.incomplete.push_back(k);
        }
    }
    return s;
}

}  // namespace worktime
