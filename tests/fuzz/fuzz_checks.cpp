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
    AttendanceInput in;
    in.category = static_cast<int8_t>(data[0]) % 12;
    in.arrival = Take(p, end);
    in.departure = Take(p, end);
    in.locations = Take(p, end);

    const AttendanceResult r = CheckAttendance(in, flags);
    if (r.accepted != r.messages.empty()) std::abort();
    if (r.accepted) {
        const AttendanceInput& v = r.corrected;
        if (!ValidTime(v.arrival) || !ValidTime(v.departure)) std::abort();
        if (v.category == -1 && !(v.arrival.empty() && v.departure.empty() && v.locations.empty()))
            std::abort();
        if (v.category >= 0 && v.category < 10 && flags[static_cast<size_t>(v.category)] == "0" &&
            !(v.arrival.empty() && v.departure.empty() && v.locations.empty()))
            std::abort();
    }
    // The blank rule only ever empties fields.
    if (!r.corrected.arrival.empty() && r.corrected.arrival != in.arrival) std::abort();

    CRecordArray<CYearRecord> years;
    const YearCheckResult y = CheckYearText(in.arrival, years);
    if (y.accepted && (y.year < 1998 || y.year > 2036)) std::abort();
    const EmployeeCheckResult e = CheckEmployee(in.departure, in.locations);
    if ((e.focus == EmployeeField::none) != (!in.departure.empty() && !in.locations.empty()))
        std::abort();
    return 0;
}
