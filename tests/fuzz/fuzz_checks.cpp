// The dialogs' OK checks on arbitrary texts: whatever they accept is a valid entry.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/checks.h"

namespace {

std::string Take(const uint8_t*& p, const uint8_t* end) {
    std::string s;
    while (p < end && *p != 0) s += static_cast<char>(*p++);
    if (p < end) ++p;
    return s;
}

bool ValidTime(const std::string& t) {
    return t.empty() || (t.size() == 5 && CheckTime(t) == TimeCheck::valid);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const uint8_t* p = data + 2;
    const uint8_t* end = data + size;
    std::array<std::string, 10> flags;
    for (size_t i = 0; i < 10; ++i) flags[i] = (data[1] >> (i % 8)) & 1 ? "0" : "1";
    DayEntry in;
    in.category = static_cast<int8_t>(data[0]) % 12;
    in.start = Take(p, end);
    in.end = Take(p, end);
    in.place = Take(p, end);

    const AttendanceResult r = CheckAttendance(in, flags);
    if (r.accepted != r.messages.empty()) std::abort();
    if (r.accepted) {
        const DayEntry& v = r.corrected;
        if (!ValidTime(v.start) || !ValidTime(v.end)) std::abort();
        if (v.category == -1 && !(v.start.empty() && v.end.empty() && v.place.empty()))
            std::abort();
        if (v.category >= 0 && v.category < 10 && flags[static_cast<size_t>(v.category)] == "0" &&
            !(v.start.empty() && v.end.empty() && v.place.empty()))
            std::abort();
    }
    // The blank rule only ever empties fields.
    if (!r.corrected.start.empty() && r.corrected.start != in.start) std::abort();

    CRecordArray<CYearRecord> years;
    const YearCheckResult y = CheckYearText(in.start, years);
    if (y.accepted && (y.year < 1998 || y.year > 2036)) std::abort();
    const EmployeeCheckResult e = CheckEmployee(in.end, in.place);
    if ((e.focus == EmployeeField::none) != (!in.end.empty() && !in.place.empty())) std::abort();
    return 0;
}
