#include "model/lawsettings.h"

#include <string_view>

#include "model/settingsline.h"
#include "model/texts.h"

namespace lawsettings {
namespace {

bool Digits(std::string_view s) {
    if (s.empty()) return false;
    for (const char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

// A whole number of at most four digits; -1 when it is not one.
int Number(std::string_view s) {
    if (!Digits(s) || s.size() > 4) return -1;
    int n = 0;
    for (const char c : s) n = n * 10 + (c - '0');
    return n;
}

int Weekday(const std::string& f) {
    for (int i = 0; i < 7; ++i)
        if (f == texts::kWeekdays[i]) return i;
    return -1;
}

// A number of leave days from 0 to 1 with at most two decimals, in hundredths; -1 otherwise.
int LeaveHundredths(std::string_view s) {
    const size_t dot = s.find('.');
    const std::string_view whole = s.substr(0, dot);
    if (Number(whole) < 0 || whole.size() > 1) return -1;
    int h = (whole[0] - '0') * 100;
    if (dot != std::string_view::npos) {
        const std::string_view frac = s.substr(dot + 1);
        if (!Digits(frac) || frac.size() > 2) return -1;
        h += (frac[0] - '0') * 10 + (frac.size() == 2 ? frac[1] - '0' : 0);
    }
    return h <= 100 ? h : -1;
}

}  // namespace

int ParseHoursField(const std::string& field) {
    const size_t colon = field.find(':');
    if (colon == std::string::npos || colon == 0 || colon > 4 || field.size() != colon + 3)
        return -1;
    const int h = Number(std::string_view(field).substr(0, colon));
    const int m = Number(std::string_view(field).substr(colon + 1));
    if (h < 0 || m < 0 || m > 59) return -1;
    return h * 60 + m;
}

Reading<WorkWeek> ParseWorkWeek(const std::string& line) {
    Reading<WorkWeek> r;
    const std::vector<std::string> f = SettingsFields(line);
    auto bad = [&](size_t i) { r.bad.push_back({static_cast<int>(i) + 1, f[i]}); };
    for (size_t i = 0; i < f.size(); ++i) {
        if (f[i].empty()) continue;
        WorkWeek& w = r.value;
        switch (i) {
            case 0:
                if (const int d = Weekday(f[i]); d >= 0)
                    w.weekStart = d;
                else
                    bad(i);
                break;
            case 1:
                if (const int d = Weekday(f[i]); d >= 0) {
                    w.legalHolidayRule = LegalHolidayRule::weekday;
                    w.legalHolidayWeekday = d;
                } else if (f[i] == texts::kLawNone) {
                    w.legalHolidayRule = LegalHolidayRule::unspecified;
                } else if (f[i] == texts::kLawPerDay) {
                    w.legalHolidayRule = LegalHolidayRule::perDay;
                } else {
                    bad(i);
                }
                break;
            case 2:
                if (const int t = ParseHoursField(f[i]); t == 40 * 60 || t == 44 * 60)
                    w.weeklyLimit = t;
                else
                    bad(i);
                break;
            case 3:
                if (const int d = Number(f[i]); d >= 1 && d <= 28)
                    w.wageMonthStart = d;
                else
                    bad(i);
                break;
            case 4:
            case 5:
                if (const int t = ParseHoursField(f[i]); t >= 0 && t <= 24 * 60)
                    (i == 4 ? w.saturdayScheduled : w.holidayScheduled) = t;
                else
                    bad(i);
                break;
            default:
                bad(i);
        }
    }
    return r;
}

Reading<Agreement> ParseAgreement(const std::string& line) {
    Reading<Agreement> r;
    const std::vector<std::string> f = SettingsFields(line);
    auto bad = [&](size_t i) { r.bad.push_back({static_cast<int>(i) + 1, f[i]}); };
    Agreement& a = r.value;
    int special[3] = {-1, -1, -1};
    bool specialGiven = false;
    for (size_t i = 0; i < f.size(); ++i) {
        if (f[i].empty()) continue;
        const int t = ParseHoursField(f[i]);
        switch (i) {
            case 0: {
                static constexpr int kMonthDays[12] = {31, 28, 31, 30, 31, 30,
                                                       31, 31, 30, 31, 30, 31};
                const size_t slash = f[i].find('/');
                const int m = slash == std::string::npos ? -1 : Number(f[i].substr(0, slash));
                const int d = slash == std::string::npos ? -1 : Number(f[i].substr(slash + 1));
                // Months run from the start's day of the month, which every month must have.
                if (m >= 1 && m <= 12 && d >= 1 && d <= 28 && d <= kMonthDays[m - 1]) {
                    a.startMonth = m;
                    a.startDay = d;
                } else {
                    bad(i);
                }
                break;
            }
            case 1:
            case 2:
                // The limits of the month and the year (告示: 45 and 360 hours at most).
                if (t >= 0 && t <= (i == 1 ? 45 : 360) * 60)
                    (i == 1 ? a.monthLimit : a.yearLimit) = t;
                else
                    bad(i);
                break;
            case 3:
            case 4:
            case 5: {
                specialGiven = true;
                const int v = i == 5 ? Number(f[i]) : t;
                const int hi = i == 3 ? 100 * 60 - 1 : i == 4 ? 720 * 60 : 6;
                if (v >= 1 && v <= hi)
                    special[i - 3] = v;
                else
                    bad(i);
                break;
            }
            default:
                bad(i);
        }
    }
    if (specialGiven) {
        for (size_t i = 3; i < 6; ++i)
            if ((i >= f.size() || f[i].empty())) r.bad.push_back({static_cast<int>(i) + 1, {}});
        if (special[0] > 0 && special[1] > 0 && special[2] > 0) {
            a.special = true;
            a.specialMonthLimit = special[0];
            a.specialYearLimit = special[1];
            a.specialMaxMonths = special[2];
        }
    }
    return r;
}

Reading<CategoryMeanings> ParseCategoryMeanings(const std::string& line,
                                                const std::array<std::string, 10>& categories) {
    Reading<CategoryMeanings> r;
    const std::vector<std::string> f = SettingsFields(line);
    for (size_t i = 0; i < f.size(); ++i) {
        if (f[i].empty()) continue;
        const size_t eq = f[i].find('=');
        const std::string key(TrimBlanks(std::string_view(f[i]).substr(0, eq)));
        bool policy = false;
        for (const std::string& k : texts::kLeavePolicyKeys) policy = policy || key == k;
        if (policy) continue;
        auto bad = [&] { r.bad.push_back({static_cast<int>(i) + 1, f[i]}); };
        size_t slot = categories.size();
        for (size_t s = 0; s < categories.size(); ++s)
            if (!categories[s].empty() && categories[s] == key) slot = s;
        if (eq == std::string::npos || slot == categories.size()) {
            bad();
            continue;
        }
        const std::string value(TrimBlanks(std::string_view(f[i]).substr(eq + 1)));
        CategoryMeaning m;
        if (const int h = LeaveHundredths(value); h >= 0) {
            m = {Meaning::leave, h};
        } else if (value == texts::kMeaningWorked) {
            m.meaning = Meaning::worked;
        } else if (value == texts::kMeaningDeemed) {
            m.meaning = Meaning::deemed;
        } else if (value == texts::kMeaningAbsent) {
            m.meaning = Meaning::absent;
        } else if (value == texts::kMeaningExcluded) {
            m.meaning = Meaning::excluded;
        } else if (value == texts::kMeaningRest) {
            m.meaning = Meaning::rest;
        } else {
            bad();
            continue;
        }
        r.value[slot] = m;
    }
    return r;
}

std::string BadFieldsMessage(int lineNumber, const std::vector<BadField>& bad) {
    return ::BadFieldsMessage(lineNumber == 8   ? texts::kLawWeekBad
                              : lineNumber == 9 ? texts::kLawAgreementBad
                                                : texts::kLawCategoriesBad,
                              bad);
}

Settings ReadSettings(const std::string& line8, const std::string& line9, const std::string& line10,
                      const std::array<std::string, 10>& categories,
                      std::vector<std::string>& messages) {
    Settings s;
    messages.clear();
    auto take = [&](auto reading, auto& into, int line) {
        into = std::move(reading.value);
        if (!reading.bad.empty()) messages.push_back(BadFieldsMessage(line, reading.bad));
    };
    take(ParseWorkWeek(line8), s.week, 8);
    take(ParseAgreement(line9), s.agreement, 9);
    take(ParseCategoryMeanings(line10, categories), s.categories, 10);
    return s;
}

}  // namespace lawsettings
