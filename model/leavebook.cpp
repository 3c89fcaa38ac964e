#include "model/leavebook.h"

#include <algorithm>
#include <utility>

#include "model/civildate.h"
#include "model/vespindoc.h"

namespace leave {
namespace {

// What a category named 出勤, 出勤扱い, 欠勤, 除外 or 休日 on line 10 counts as.
Attendance AttendanceNamed(lawsettings::Meaning m) {
    using M = lawsettings::Meaning;
    static constexpr std::pair<M, Attendance> kNamed[] = {
        {M::worked, Attendance::worked}, {M::deemed, Attendance::deemed},
        {M::absent, Attendance::absent}, {M::excluded, Attendance::excluded},
        {M::rest, Attendance::rest},
    };
    for (const auto& [meaning, attendance] : kNamed)
        if (meaning == m) return attendance;
    return Attendance::absent;
}

}  // namespace

std::vector<Day> BookDays(const CVespinDoc& doc) {
    const lawsettings::CategoryMeanings& meanings = doc.LawSettings().categories;
    std::vector<Day> days;
    days.reserve(static_cast<size_t>(doc.Days().GetSize()));
    bool sorted = true;
    for (const auto& rec : doc.Days()) {
        Day d;
        d.date = civil::Serial(rec->GetYear(), rec->GetMonth(), rec->GetDay());
        d.workday = rec->GetDayType() == kWeekday;
        const int c = rec->GetCategory();
        if (c >= 0 && c < 10 && !doc.Settings().m_astrCategories[static_cast<size_t>(c)].empty()) {
            const size_t slot = static_cast<size_t>(c);
            d.category = doc.Settings().m_astrCategories[slot];
            const lawsettings::CategoryMeaning& m = meanings[slot];
            switch (m.meaning) {
                case lawsettings::Meaning::unnamed:
                    d.attendance = doc.Settings().m_astrTimeFlags[slot] == "1" ? Attendance::worked
                                                                               : Attendance::absent;
                    break;
                case lawsettings::Meaning::leave:
                    d.attendance = Attendance::deemed;
                    d.leaveHalfDays = std::min(2, m.leaveHundredths / 50);
                    break;
                case lawsettings::Meaning::worked:
                case lawsettings::Meaning::deemed:
                case lawsettings::Meaning::absent:
                case lawsettings::Meaning::excluded:
                case lawsettings::Meaning::rest:
                    d.attendance = AttendanceNamed(m.meaning);
                    break;
            }
        }
        if (!days.empty() && days.back().date >= d.date) sorted = false;
        days.push_back(std::move(d));
    }
    // Fiscal years are kept in the order they were registered.
    if (!sorted)
        std::stable_sort(days.begin(), days.end(),
                         [](const Day& a, const Day& b) { return a.date < b.date; });
    // The marks are few and in date order: one merge walk.
    auto day = days.begin();
    for (const bookext::DayMark& m : bookext::DayMarks(doc.Extension())) {
        if (m.workday == bookext::Mark::automatic) continue;
        const int date = civil::Serial(m.year, m.month, m.day);
        day =
            std::lower_bound(day, days.end(), date, [](const Day& d, int s) { return d.date < s; });
        if (day != days.end() && day->date == date) day->workday = m.workday == bookext::Mark::yes;
    }
    return days;
}

Employment BookEmployment(const CVespinDoc& doc) {
    const std::string* bytes = doc.Extension().Find(bookext::kEmploymentTag);
    if (!bytes) return {};
    return DecodeEmployment(*bytes).value_or(Employment{});
}

void SetBookEmployment(CVespinDoc& doc, const Employment& employment) {
    bookext::Extension ext = doc.Extension();
    ext.Set(bookext::kEmploymentTag,
            employment.Empty() ? std::string() : EncodeEmployment(employment));
    doc.SetExtension(std::move(ext));
}

Policy BookPolicy(const CVespinDoc& doc) {
    return ParsePolicy(doc.Settings().m_astrSettingLines[9]).policy;
}

Ledger BookLedger(const CVespinDoc& doc, int asOf) {
    return ComputeLedger(BookEmployment(doc), BookPolicy(doc), BookDays(doc), asOf);
}

}  // namespace leave
