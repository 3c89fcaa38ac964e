#pragma once

#include <optional>
#include <string>
#include <string_view>

// Calendar dates as day numbers (0 = 1970-01-01), so that periods are plain ranges of integers.
namespace civil {

struct Ymd {
    int y = 0;
    int m = 0;
    int d = 0;
};

bool IsValid(int y, int m, int d);
int Serial(int y, int m, int d);
Ymd FromSerial(int serial);

// The day n months after (n may be negative): the same day of the month, or the first of the
// following month when the target month is too short. A period of n months that starts on
// `serial` (counting its first day) ends the day before: hired 8/31, six months end on the
// last day of February, so the day after them is 3/1.
int AfterMonths(int serial, int n);

// YYYY-MM-DD.
std::string Iso(int serial);
// YYYY-MM-DD, a real date of the years 1900-2199; nothing otherwise.
std::optional<int> ParseIso(std::string_view text);
// As a user types it: YYYY/M/D or YYYY-M-D (leading zeros optional), years 1900-2199.
std::optional<int> ParseTyped(std::string_view text);
// YYYY/MM/DD, as the windows show a date.
std::string Slashed(int serial);

}  // namespace civil
