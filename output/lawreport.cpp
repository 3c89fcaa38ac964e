#include "output/lawreport.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>

#include "model/labourlaw.h"
#include "model/texts.h"
#include "model/vespindoc.h"
#include "model/worksummary.h"
#include "model/worktime.h"

namespace lawreport {
namespace {

using worktime::FormatHours;

// %1, %2 … of fmt replaced in one pass.
std::string Fill(const std::string& fmt, std::initializer_list<std::string> args) {
    std::string out;
    for (size_t i = 0; i < fmt.size(); ++i) {
        const size_t k = i + 1 < fmt.size() ? static_cast<size_t>(fmt[i + 1] - '1') : args.size();
        if (fmt[i] == '%' && k < args.size()) {
            out += *(args.begin() + k);
            ++i;
        } else {
            out += fmt[i];
        }
    }
    return out;
}

// A limit in whole hours as the agreement states them ("45時間"), else H:MM.
std::string Limit(int minutes) {
    return minutes % 60 == 0 ? std::to_string(minutes / 60) + texts::S("時間")
                             : FormatHours(minutes);
}

std::string Date(int day) {
    int y, m, d;
    labourlaw::CivilDate(day, y, m, d);
    return Fill(texts::kDateLong, {std::to_string(y), std::to_string(m), std::to_string(d)});
}

}  // namespace

std::string FindingWhen(int date, bool day) {
    int y, m, d;
    labourlaw::CivilDate(date, y, m, d);
    if (day) return Date(date);
    return texts::Format2(texts::kMonthOfYear, std::to_string(y), std::to_string(m));
}

AgreementTable AgreementTableOf(const CVespinDoc& doc, int y, int m) {
    using namespace labourlaw;
    const AgreementYearView v = AgreementYearOf(doc, y, m);
    const lawsettings::Agreement& a = v.agreement;
    AgreementTable t;
    t.title = texts::kAgreementTitle + "  " +
              texts::Format2(texts::kAgreementPeriod, Date(v.start), Date(v.end));
    t.limits = texts::Format2(texts::kAgreementLimits, Limit(a.monthLimit), Limit(a.yearLimit));
    if (a.special)
        t.limits +=
            Fill(texts::kAgreementSpecial, {Limit(a.specialMonthLimit), Limit(a.specialYearLimit),
                                            std::to_string(a.specialMaxMonths)});
    t.columns.assign(std::begin(texts::kAgreementColumns), std::end(texts::kAgreementColumns));

    const int monthLimit = a.monthLimit;
    const int sumLimit = a.special ? std::min(a.specialMonthLimit, 100 * 60 - 1) : 100 * 60 - 1;
    for (const AgreementMonth& month : v.months) {
        TableRow row;
        row.red.assign(t.columns.size(), false);
        row.cells.push_back(FindingWhen(month.start, false));
        if (!month.covered) {
            row.cells.resize(t.columns.size(), texts::kAgreementNoDays);
            row.cells[0] = FindingWhen(month.start, false);
        } else {
            const int total = month.overtime + month.holiday;
            row.cells.push_back(FormatHours(month.overtime));
            row.cells.push_back(FormatHours(month.holiday));
            row.cells.push_back(FormatHours(total));
            row.red[1] = month.overtime > monthLimit && !a.special;
            row.red[3] = total > sumLimit;
            for (int k = 2; k <= 6; ++k) {
                const int sum = month.sums[k];
                row.cells.push_back(sum < 0 ? texts::kAgreementNoDays
                                            : FormatHours(AverageUp(sum, k)));
                row.red[static_cast<size_t>(k) + 2] = sum > 80 * 60 * k;
            }
        }
        t.rows.push_back(std::move(row));
    }
    TableRow year;
    year.total = true;
    year.red.assign(t.columns.size(), false);
    year.cells = {texts::kAgreementYearRow, FormatHours(v.year.overtime),
                  FormatHours(v.year.holiday), FormatHours(v.year.overtime + v.year.holiday)};
    year.red[1] = v.year.overtime > (a.special ? a.specialYearLimit : a.yearLimit);
    year.cells.resize(t.columns.size());
    t.rows.push_back(std::move(year));

    t.yearLine = texts::Format1(texts::kAgreementOver45, std::to_string(v.year.monthsOver45));
    if (a.special)
        t.yearLine +=
            texts::Format1(texts::kAgreementOver45Max, std::to_string(a.specialMaxMonths));
    t.yearLineRed = v.year.monthsOver45 > (a.special ? a.specialMaxMonths : 0);
    t.yearLine += texts::Format1(texts::kAgreementBreakShort, std::to_string(v.breakShortDays));

    for (const Finding& f : v.findings)
        t.findings.push_back(Fill(
            texts::kFindingLine,
            {FindingWhen(f.date, false), RuleLabel(f.rule), FindingText(f), FindingFigures(f)}));
    t.noFindings = texts::kNoFindings;
    return t;
}

SummaryPage SummaryPageOf(const CVespinDoc& doc, int fiscalYear, int month) {
    const worktime::MonthSummary s =
        worktime::SummarizeMonth(doc, fiscalYear, month).value_or(worktime::MonthSummary{});
    const int y = month >= 4 ? fiscalYear : fiscalYear + 1;
    SummaryPage p;
    p.title = Fill(texts::kSummaryTitle,
                   {std::to_string(y), std::to_string(month), std::to_string(fiscalYear)});
    p.employee = Fill(texts::kSummaryEmployee, {doc.EmployeeNo(), doc.EmployeeName()});
    std::string breaks;
    for (const worktime::Period& b : doc.Settings().m_workRules.breaks)
        breaks += (breaks.empty() ? "" : texts::S("、")) + worktime::FormatPeriod(b);
    p.rules = Fill(texts::kSummaryRules, {FormatHours(doc.Settings().m_workRules.scheduled),
                                          breaks.empty() ? texts::kSummaryNoBreaks : breaks});

    const auto row = [](std::vector<std::string> cells, bool red = false) {
        TableRow r;
        r.red.assign(cells.size(), false);
        if (red) r.red[1] = true;
        r.cells = std::move(cells);
        return r;
    };
    p.times.push_back(row({texts::kSummaryTimesHead[0], texts::kSummaryTimesHead[1],
                           Fill(texts::kSummaryYearToDate, {std::to_string(month)})}));
    const worktime::Totals* totals[2] = {&s.monthTotals, &s.yearTotals};
    p.times.push_back(
        row({texts::kSummaryTimes[0], Fill(texts::kSummaryDays, {std::to_string(totals[0]->days)}),
             Fill(texts::kSummaryDays, {std::to_string(totals[1]->days)})}));
    int worktime::DayFigures::*const figures[6] = {
        &worktime::DayFigures::span,   &worktime::DayFigures::breakTime,
        &worktime::DayFigures::worked, &worktime::DayFigures::overtime,
        &worktime::DayFigures::night,  &worktime::DayFigures::holidayWork};
    for (int k = 0; k < 6; ++k)
        p.times.push_back(row({texts::kSummaryTimes[k + 1], FormatHours(totals[0]->sum.*figures[k]),
                               FormatHours(totals[1]->sum.*figures[k])}));

    const labourlaw::Period law =
        s.calendarYear != 0 ? labourlaw::CalendarMonth(doc, y, month) : labourlaw::Period{};
    const labourlaw::Figures& f = law.f;
    const int limit = doc.LawSettings().agreement.monthLimit;
    const bool over = f.Overtime() > limit;
    p.law.push_back(row({texts::kSummaryLawHead[0], texts::kSummaryLawHead[1]}));
    const int values[8] = {
        f.withinStatutory,  f.Overtime(),       f.overtimeDaily, f.overtimeWeekly,
        f.legalHolidayWork, f.otherHolidayWork, f.night,         f.over60};
    for (int k = 0; k < 8; ++k)
        p.law.push_back(row({texts::kSummaryLaw[k], FormatHours(values[k])}, k == 1 && over));
    p.law.push_back(row(
        {texts::kSummaryLaw[8], Fill(texts::kSummaryDays, {std::to_string(law.breakShortDays)})},
        law.breakShortDays > 0));
    if (over) p.note = Fill(texts::kSummaryOverLimit, {Limit(limit)});

    for (size_t k = 0; k < doc.Settings().m_astrCategories.size(); ++k)
        if (!doc.Settings().m_astrCategories[k].empty())
            p.categories.push_back(
                Fill(texts::kSummaryCategory,
                     {doc.Settings().m_astrCategories[k], std::to_string(s.categoryDays[k])}));
    const auto clock = [](const std::string& t) { return t.empty() ? texts::kSummaryNoTime : t; };
    for (int k : s.incomplete) {
        const CDayRecord& d = *doc.Days()[k];
        const int c = d.GetCategory();
        p.incomplete.push_back(
            Fill(texts::kSummaryIncompleteDay,
                 {std::to_string(d.GetMonth()), std::to_string(d.GetDay()), d.Weekday(),
                  clock(d.Start()), clock(d.End()),
                  c >= 0 && c < 10 ? doc.Settings().m_astrCategories[static_cast<size_t>(c)]
                                   : std::string()}));
    }
    if (p.incomplete.empty()) p.incomplete.push_back(texts::kSummaryNone);
    return p;
}

}  // namespace lawreport
