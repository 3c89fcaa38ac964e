#include "tools/lawcommands.h"

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "framework/sjis.h"
#include "model/bookextension.h"
#include "model/labourlaw.h"
#include "model/texts.h"
#include "model/vespindoc.h"
#include "tools/toolexit.h"

namespace lawcommands {
namespace {

using json = nlohmann::ordered_json;
using worktime::FormatHours;

using tool::Fail;
using tool::kDone;
using tool::kUsage;

// YYYY-MM-DD of a real date into a day number.
bool ParseDate(const std::string& s, int& date) {
    if (s.size() != 10 || s[4] != '-' || s[7] != '-') return false;
    int v[3] = {0, 0, 0};
    const size_t at[3] = {0, 5, 8}, len[3] = {4, 2, 2};
    for (int i = 0; i < 3; ++i)
        for (size_t k = at[i]; k < at[i] + len[i]; ++k) {
            if (s[k] < '0' || s[k] > '9') return false;
            v[i] = v[i] * 10 + (s[k] - '0');
        }
    date = labourlaw::DayNumber(v[0], v[1], v[2]);
    return v[1] >= 1 && v[1] <= 12 && labourlaw::FormatDate(date) == s;
}

double Hours2(int minutes, int k) { return std::round(minutes * 100.0 / (60.0 * k)) / 100.0; }

json Sums(const labourlaw::Figures& f) {
    return {{"span", FormatHours(f.span)},
            {"break", FormatHours(f.breakTime)},
            {"worked", FormatHours(f.worked)},
            {"scheduledExcess", FormatHours(f.scheduledExcess)},
            {"withinStatutory", FormatHours(f.withinStatutory)},
            {"overtimeDaily", FormatHours(f.overtimeDaily)},
            {"overtimeWeekly", FormatHours(f.overtimeWeekly)},
            {"overtime", FormatHours(f.Overtime())},
            {"legalHolidayWork", FormatHours(f.legalHolidayWork)},
            {"otherHolidayWork", FormatHours(f.otherHolidayWork)},
            {"night", FormatHours(f.night)},
            {"nightOvertime", FormatHours(f.nightOvertime)},
            {"nightLegalHolidayWork", FormatHours(f.nightLegalHolidayWork)},
            {"over60", FormatHours(f.over60)}};
}

void Write(const json& out) {
    const std::string text = out.dump(-1, ' ', false, json::error_handler_t::replace);
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

}  // namespace

int PrintHours(const CVespinDoc& doc, const std::vector<std::string>& a) {
    using namespace labourlaw;
    int from = 0, to = 0;
    if (!ParseDate(a[0], from) || !ParseDate(a[1], to)) return kUsage;
    if (from > to) return Fail("the range " + a[0] + " to " + a[1] + " runs backwards");
    const Result r = Compute(doc, from, to);

    json days = json::array();
    for (const DayFigures& d : r.days) {
        json j = {{"date", FormatDate(d.date)}};
        j.update(Sums(d.f));
        j["breakShort"] = d.BreakShort();
        days.push_back(std::move(j));
    }
    json months = json::array();
    for (const Period& m : r.months) {
        json j = {{"start", FormatDate(m.start)}, {"end", FormatDate(m.end)}, {"days", m.days}};
        j.update(Sums(m.f));
        j["breakShort"] = m.breakShortDays;
        months.push_back(std::move(j));
    }
    json agreementMonths = json::array();
    for (const AgreementMonth& m : r.agreementMonths) {
        json j = {{"start", FormatDate(m.start)},
                  {"end", FormatDate(m.end)},
                  {"overtime", FormatHours(m.overtime)},
                  {"holiday", FormatHours(m.holiday)},
                  {"total", FormatHours(m.overtime + m.holiday)}};
        for (int k = 2; k <= 6; ++k)
            if (m.sums[k] >= 0) j["avg" + std::to_string(k)] = Hours2(m.sums[k], k);
        agreementMonths.push_back(std::move(j));
    }
    json years = json::array();
    for (const AgreementYear& y : r.years)
        years.push_back({{"start", FormatDate(y.start)},
                         {"end", FormatDate(y.end)},
                         {"overtime", FormatHours(y.overtime)},
                         {"holiday", FormatHours(y.holiday)},
                         {"monthsOver45", y.monthsOver45}});
    json findings = json::array();
    for (const Finding& f : r.findings) {
        json j = {{"rule", RuleName(f.rule)}, {"date", FormatDate(f.date)}};
        if (f.rule == Rule::avg_80) {
            j["value"] = Hours2(f.value, f.months);
            j["limit"] = Hours2(f.limit, 1);
            j["months"] = f.months;
        } else if (f.rule == Rule::special_count) {
            j["value"] = f.value;
            j["limit"] = f.limit;
        } else {
            j["value"] = FormatHours(f.value);
            j["limit"] = FormatHours(f.limit);
        }
        j["text"] = sjis::ToUtf8(FindingText(f));
        findings.push_back(std::move(j));
    }
    Write({{"days", std::move(days)},
           {"months", std::move(months)},
           {"agreement", {{"months", std::move(agreementMonths)}, {"years", std::move(years)}}},
           {"findings", std::move(findings)}});
    // A shift into the next day's arrival is counted as recorded, and named.
    for (int d : r.overlaps)
        std::fprintf(stderr, "%s\n",
                     sjis::ToUtf8(texts::Format1(texts::kShiftOverlaps, FormatDate(d))).c_str());
    return kDone;
}

int SetDayFlags(CVespinDoc& doc, const std::vector<std::string>& a) {
    int date = 0;
    if (!ParseDate(a[0], date)) return kUsage;
    int y, m, d;
    labourlaw::CivilDate(date, y, m, d);
    bookext::DayMark mark = bookext::FindDayMark(doc.Extension(), y, m, d);
    for (size_t i = 1; i < a.size(); ++i) {
        const size_t eq = a[i].find('=');
        const std::string key = a[i].substr(0, eq);
        const std::string value = eq == std::string::npos ? "" : a[i].substr(eq + 1);
        bookext::Mark v;
        if (value == "yes")
            v = bookext::Mark::yes;
        else if (value == "no")
            v = bookext::Mark::no;
        else if (value == "auto")
            v = bookext::Mark::automatic;
        else
            return kUsage;
        if (key == "legal-holiday")
            mark.legalHoliday = v;
        else if (key == "workday")
            mark.workday = v;
        else
            return kUsage;
    }
    if (!doc.MarkDay(mark)) return Fail("the day " + a[0] + " is not in a registered fiscal year");
    return kDone;
}

}  // namespace lawcommands
