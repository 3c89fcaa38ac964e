#include "model/checks.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "framework/sjis.h"
#include "model/texts.h"
#include "model/vespindoc.h"

TimeCheck CheckTime(const std::string& t) {
    const std::string hour = t.substr(0, 2);
    const std::string minute = t.substr(3, 2);
    TimeCheck result = TimeCheck::valid;
    // Byte-wise comparisons, as the texts are compared, not numeric ones.
    if (hour < "00" || hour > "24") result = TimeCheck::hourWrong;
    if (minute < "00" || minute > "59") result = TimeCheck::minuteWrong;
    if (t[2] != ':') result = TimeCheck::colonMissing;
    return result;
}

namespace {

struct TimeTexts {
    const Sjis& form;
    const Sjis& hour;
    const Sjis& minute;
    const Sjis& colon;
};

void CheckTimeField(const std::string& t, const TimeTexts& msg, AttendanceField field,
                    AttendanceResult& r, bool& error) {
    if (t.empty()) return;
    if (t.size() != 5) {
        r.messages.push_back({msg.form, field, AttendanceProblem::timeForm});
        error = true;
        return;
    }
    switch (CheckTime(t)) {
        case TimeCheck::valid:
            return;
        case TimeCheck::hourWrong:
            r.messages.push_back({msg.hour, field, AttendanceProblem::hour});
            break;
        case TimeCheck::minuteWrong:
            r.messages.push_back({msg.minute, field, AttendanceProblem::minute});
            break;
        case TimeCheck::colonMissing:
            r.messages.push_back({msg.colon, field, AttendanceProblem::colon});
            break;
    }
    error = true;
}

}  // namespace

AttendanceResult CheckAttendance(const DayEntry& in, const std::array<std::string, 10>& timeFlags) {
    AttendanceResult r;
    r.corrected = in;
    DayEntry& v = r.corrected;
    bool error = false;

    CheckTimeField(
        v.start,
        {texts::kArrivalForm, texts::kArrivalHour, texts::kArrivalMinute, texts::kArrivalColon},
        AttendanceField::arrival, r, error);
    CheckTimeField(v.end,
                   {texts::kDepartureForm, texts::kDepartureHour, texts::kDepartureMinute,
                    texts::kDepartureColon},
                   AttendanceField::departure, r, error);

    if (v.category >= 0 && v.category < 10 && timeFlags[static_cast<size_t>(v.category)] == "0") {
        if (!v.start.empty()) {
            r.messages.push_back(
                {texts::kBlankArrival, AttendanceField::arrival, AttendanceProblem::notAllowed});
            v.start.clear();
            error = true;
        }
        if (!v.end.empty()) {
            r.messages.push_back({texts::kBlankDeparture, AttendanceField::departure,
                                  AttendanceProblem::notAllowed});
            v.end.clear();
            error = true;
        }
        if (!v.place.empty()) {
            r.messages.push_back({texts::kBlankLocations, AttendanceField::locations,
                                  AttendanceProblem::notAllowed});
            v.place.clear();
            error = true;
        }
    }

    if ((!v.start.empty() || !v.end.empty() || !v.place.empty()) && v.category == -1) {
        r.messages.push_back(
            {texts::kSelectCategory, AttendanceField::category, AttendanceProblem::noCategory});
        error = true;
    }
    r.accepted = !error;
    return r;
}

YearCheckResult CheckYearText(const std::string& text, const CRecordArray<CYearRecord>& years) {
    YearCheckResult r;
    // One whole decimal number: blanks and tabs around it, an optional sign, nothing else.
    size_t i = 0;
    auto blank = [&](size_t k) { return k < text.size() && (text[k] == ' ' || text[k] == '\t'); };
    while (blank(i)) ++i;
    size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const size_t digits = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    const size_t end = i;
    while (blank(i)) ++i;
    if (end == digits || i != text.size()) {
        r.problem = YearProblem::notAnInteger;
        r.message = texts::kNotAnInteger;
        return r;
    }
    errno = 0;
    const long long value = std::strtoll(text.substr(start, end - start).c_str(), nullptr, 10);
    if (errno == ERANGE || value < INT_MIN || value > INT_MAX) {
        r.problem = YearProblem::notAnInteger;
        r.message = texts::kNotAnInteger;
        return r;
    }
    if (value < CVespinDoc::kFirstYear || value > CVespinDoc::kLastYear) {
        r.problem = YearProblem::outOfRange;
        r.message =
            Sjis(texts::Format2(texts::kIntegerRange, std::to_string(CVespinDoc::kFirstYear),
                                std::to_string(CVespinDoc::kLastYear)));
        return r;
    }
    r.year = static_cast<int>(value);
    for (const auto& yr : years) {
        if (yr->GetYear() == r.year) {
            r.problem = YearProblem::exists;
            r.message = texts::kYearExists;
            return r;
        }
    }
    r.accepted = true;
    return r;
}

EmployeeCheckResult CheckEmployee(const std::string& number, const std::string& name) {
    if (number.empty()) return {EmployeeField::number, texts::kEnterEmployeeNo};
    if (name.empty()) return {EmployeeField::name, texts::kEnterEmployeeName};
    return {};
}

std::optional<std::string> TypedPassword(std::string_view utf8) {
    if (sjis::FirstUnstorable(utf8)) return std::nullopt;
    return sjis::FromUtf8(utf8);
}

bool PasswordOpens(const std::optional<std::string>& typed, const std::string& stored) {
    return typed && *typed == stored;
}
