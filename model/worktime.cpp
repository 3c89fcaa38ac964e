#include "model/worktime.h"

#include <algorithm>
#include <cstdio>

#include "model/dayrecord.h"
#include "model/settingsline.h"
#include "model/texts.h"

namespace worktime {
namespace {

// Night work: 22:00 to 5:00 of the next morning, the small hours of the day itself, and the
// next night of a shift that began after midnight.
constexpr Period kNight[] = {{0, 5 * 60}, {22 * 60, 29 * 60}, {46 * 60, 53 * 60}};
constexpr int kLatestSettingHour = 29;

int Overlap(int a1, int b1, int a2, int b2) {
    return std::max(0, std::min(b1, b2) - std::max(a1, a2));
}

int NightMinutes(int from, int to) {
    int n = 0;
    for (const Period& p : kNight) n += Overlap(from, to, p.from, p.to);
    return n;
}

bool Digit(char c) { return c >= '0' && c <= '9'; }

// H:MM or HH:MM of the settings, hours up to kLatestSettingHour; -1 when it is not one.
int ParseSettingTime(std::string_view t) {
    const size_t colon = t.find(':');
    if (colon == std::string_view::npos || colon < 1 || colon > 2 || t.size() != colon + 3)
        return -1;
    for (size_t i = 0; i < t.size(); ++i)
        if (i != colon && !Digit(t[i])) return -1;
    const int h = colon == 1 ? t[0] - '0' : (t[0] - '0') * 10 + (t[1] - '0');
    const int m = (t[colon + 1] - '0') * 10 + (t[colon + 2] - '0');
    if (h > kLatestSettingHour || m > 59) return -1;
    return h * 60 + m;
}

std::optional<Period> ParseBreak(std::string_view f) {
    const size_t dash = f.find('-');
    if (dash == std::string_view::npos) return std::nullopt;
    const int from = ParseSettingTime(f.substr(0, dash));
    const int to = ParseSettingTime(f.substr(dash + 1));
    if (from < 0 || to < 0 || from >= to) return std::nullopt;
    return Period{from, to};
}

}  // namespace

RulesReading ParseRules(const std::string& line) {
    RulesReading r;
    const std::vector<std::string> fields = SettingsFields(line);
    if (!fields[0].empty()) {
        const int t = ParseSettingTime(fields[0]);
        if (t >= 0 && t <= 24 * 60)
            r.rules.scheduled = t;
        else
            r.bad.push_back({1, std::string(fields[0])});
    }

    const Period byDefault = r.rules.breaks.front();
    std::vector<Period> breaks;
    bool noBreaks = false;
    for (size_t i = 1; i < fields.size(); ++i) {
        if (fields[i].empty()) continue;
        if (fields[i] == "-") {
            noBreaks = true;
            continue;
        }
        if (const std::optional<Period> p = ParseBreak(fields[i])) {
            breaks.push_back(*p);
        } else {
            r.bad.push_back({static_cast<int>(i) + 1, std::string(fields[i])});
            breaks.push_back(byDefault);
        }
    }
    if (breaks.empty() && !noBreaks) breaks.push_back(byDefault);

    std::sort(breaks.begin(), breaks.end(),
              [](const Period& a, const Period& b) { return a.from < b.from; });
    r.rules.breaks.clear();
    for (const Period& p : breaks) {
        if (!r.rules.breaks.empty() && p.from <= r.rules.breaks.back().to)
            r.rules.breaks.back().to = std::max(r.rules.breaks.back().to, p.to);
        else
            r.rules.breaks.push_back(p);
    }
    return r;
}

std::string BadRulesMessage(const std::vector<BadField>& bad) {
    return BadFieldsMessage(texts::kWorkRulesBad, bad);
}

int ParseStoredTime(std::string_view t) {
    if (t.size() != 5 || t[2] != ':' || !Digit(t[0]) || !Digit(t[1]) || !Digit(t[3]) ||
        !Digit(t[4]))
        return -1;
    // A time the entry would refuse (written by another program or by hand) cannot be read:
    // of digits, the entry's check (CheckTime) takes hours up to 24 and minutes up to 59.
    const int h = (t[0] - '0') * 10 + (t[1] - '0');
    const int m = (t[3] - '0') * 10 + (t[4] - '0');
    if (h > 24 || m > 59) return -1;
    return h * 60 + m;
}

std::string FormatHours(int minutes) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%d:%02d", minutes / 60, minutes % 60);
    return buf;
}

std::string FormatPeriod(const Period& p) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d:%02d-%02d:%02d", p.from / 60, p.from % 60, p.to / 60,
                  p.to % 60);
    return buf;
}

DayState EvaluateDay(const CDayRecord& day, const Rules& rules,
                     const std::array<std::string, 10>& timeFlags, DayFigures& out) {
    const int category = day.GetCategory();
    const bool anyTime = !day.Start().empty() || !day.End().empty();
    const bool needsTimes =
        category >= 0 && category < 10 && timeFlags[static_cast<size_t>(category)] != "0";
    if (!needsTimes) return anyTime ? DayState::incomplete : DayState::none;

    const int a = ParseStoredTime(day.Start());
    int d = ParseStoredTime(day.End());
    if (a < 0 || d < 0) return DayState::incomplete;
    // A departure before the arrival is the next morning: 22:00 to 07:00 is nine hours.
    if (d < a) d += 24 * 60;
    if (d < a) return DayState::incomplete;

    out = {};
    out.span = d - a;
    int nightInBreaks = 0;
    for (const Period& b : rules.breaks) {
        const int from = std::max(a, b.from), to = std::min(d, b.to);
        if (from >= to) continue;
        out.breakTime += to - from;
        nightInBreaks += NightMinutes(from, to);
    }
    out.worked = out.span - out.breakTime;
    out.overtime = std::max(0, out.worked - rules.scheduled);
    out.night = NightMinutes(a, d) - nightInBreaks;
    out.holidayWork = day.GetDayType() == kHoliday ? out.worked : 0;
    return DayState::counted;
}

}  // namespace worktime
