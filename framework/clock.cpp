#include "framework/clock.h"

#include <ctime>

namespace clock_ {
namespace {
std::optional<LocalTime>& Fixed() {
    static std::optional<LocalTime> t;
    return t;
}
}  // namespace

LocalTime Now() {
    if (Fixed()) return *Fixed();
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour,
                     tm.tm_min,         tm.tm_sec,     tm.tm_wday};
}

void SetFixed(std::optional<LocalTime> t) { Fixed() = t; }
bool IsFixed() { return Fixed().has_value(); }

}  // namespace clock_
