#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/recordarray.h"
#include "model/yearrecord.h"

// The OK checks of the data-entry dialogs. The dialogs and the command-line tool both call
// these, so every rule lives in one place. Texts are Shift-JIS.

// ----- Attendance entry -----

enum class AttendanceField { category, arrival, departure, locations };

// Why a check refused: the dialog acts on this, the text is only shown.
enum class AttendanceProblem {
    timeForm,    // not five characters
    hour,        // hour outside 00..24
    minute,      // minute outside 00..59
    colon,       // no ':' in the middle
    notAllowed,  // the category takes no times or places: the field has been emptied
    noCategory,  // times or places without a category
};

struct CheckMessage {
    std::string text;
    AttendanceField focus;
    AttendanceProblem problem;
};

struct AttendanceInput {
    int32_t category = -1;  // list index, -1 = none
    std::string arrival;
    std::string departure;
    std::string locations;
};

struct AttendanceResult {
    // Every message of one press, in the order they are shown; the focus ends on the last.
    std::vector<CheckMessage> messages;
    // The input after the blank rule emptied what the category forbids.
    AttendanceInput corrected;
    bool accepted = false;
};

enum class TimeCheck { valid, hourWrong, minuteWrong, colonMissing };
// The check of a 5-byte time text.
TimeCheck CheckTime(const std::string& t);

AttendanceResult CheckAttendance(const AttendanceInput& in,
                                 const std::array<std::string, 10>& timeFlags);

// ----- Fiscal-year registration -----

enum class YearProblem { none, notAnInteger, outOfRange, exists };

struct YearCheckResult {
    bool accepted = false;
    int year = 0;
    YearProblem problem = YearProblem::none;
    std::string message;  // empty when accepted
};

YearCheckResult CheckYearText(const std::string& text, const CRecordArray<CYearRecord>& years);

// ----- Employee information -----

enum class EmployeeField { none, number, name };

struct EmployeeCheckResult {
    EmployeeField focus = EmployeeField::none;  // none: accepted
    std::string message;
};

EmployeeCheckResult CheckEmployee(const std::string& number, const std::string& name);
