#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/worktime.h"

// The company's paid-leave policy: the fields 初回=, 以降= and 順= of the tenth line of the
// settings (the line's other fields, the meanings of the categories, are read elsewhere).
namespace leave {

struct MonthDay {
    int month = 0;
    int day = 0;
};

enum class Order { oldestFirst, newestFirst };

struct Policy {
    // The first grant: empty for the law's date (six months after hire), else the first of these
    // dates after the day of hire (never later than the law's date).
    std::vector<MonthDay> first;
    // Later grants: none for yearly from the first grant, else every year on this date.
    std::optional<MonthDay> then;
    Order order = Order::oldestFirst;
};

struct PolicyReading {
    Policy policy;
    std::vector<BadField> bad;  // field numbers count every field of the line
};

// Reads "初回=入社日|M/D[/M/D...]", "以降=入社日|M/D", "順=古い順|新しい順" among the line's
// comma-separated fields (Shift-JIS). A bad value is listed and the default kept.
PolicyReading ParsePolicy(const std::string& line);
// The start-up message for bad fields (Shift-JIS); the first ten are named, the rest counted.
std::string BadPolicyMessage(const std::vector<BadField>& bad);

}  // namespace leave
