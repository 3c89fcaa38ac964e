#include "model/leavepolicy.h"

#include "model/holidays.h"
#include "model/settingsline.h"
#include "model/texts.h"

namespace leave {
namespace {

bool Number(const std::string& s, int& out) {
    if (s.empty() || s.size() > 2) return false;
    out = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        out = out * 10 + (c - '0');
    }
    return true;
}

// "M/D[/M/D...]": pairs of month and day, every one a date of every year (2/29 is not).
bool MonthDays(const std::string& text, std::vector<MonthDay>& out) {
    std::vector<int> numbers;
    size_t start = 0;
    for (;;) {
        const size_t slash = text.find('/', start);
        int n = 0;
        if (!Number(text.substr(start, slash - start), n)) return false;
        numbers.push_back(n);
        if (slash == std::string::npos) break;
        start = slash + 1;
    }
    if (numbers.size() % 2 != 0) return false;
    out.clear();
    for (size_t i = 0; i < numbers.size(); i += 2) {
        const MonthDay md{numbers[i], numbers[i + 1]};
        if (md.month < 1 || md.month > 12 || md.day < 1 ||
            md.day > holidays::DaysInMonth(2001, md.month))
            return false;
        out.push_back(md);
    }
    return true;
}

}  // namespace

PolicyReading ParsePolicy(const std::string& line) {
    PolicyReading r;
    const std::vector<std::string> fields = SettingsFields(line);
    for (int n = 1; n <= static_cast<int>(fields.size()); ++n) {
        const std::string& field = fields[n - 1];
        // '=' is never the second byte of a Shift-JIS character.
        const size_t eq = field.find('=');
        if (eq == std::string::npos) continue;
        const std::string key = std::string(TrimBlanks(std::string_view(field).substr(0, eq)));
        const std::string value = std::string(TrimBlanks(std::string_view(field).substr(eq + 1)));
        bool ok = true;
        std::vector<MonthDay> dates;
        if (key == texts::kLeaveFirstKey) {
            if (value == texts::kLeaveHireDate)
                r.policy.first.clear();
            else if ((ok = MonthDays(value, dates)))
                r.policy.first = dates;
        } else if (key == texts::kLeaveThenKey) {
            if (value == texts::kLeaveHireDate)
                r.policy.then.reset();
            else if ((ok = MonthDays(value, dates) && dates.size() == 1))
                r.policy.then = dates.front();
        } else if (key == texts::kLeaveOrderKey) {
            if (value == texts::kLeaveOldestFirst)
                r.policy.order = Order::oldestFirst;
            else if (value == texts::kLeaveNewestFirst)
                r.policy.order = Order::newestFirst;
            else
                ok = false;
        }
        if (!ok) r.bad.push_back({n, field});
    }
    return r;
}

std::string BadPolicyMessage(const std::vector<BadField>& bad) {
    return BadFieldsMessage(texts::kLeavePolicyBad, bad);
}

}  // namespace leave
