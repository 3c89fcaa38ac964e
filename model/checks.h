#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/encoded.h"
#include "model/dayrecord.h"
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
    Sjis text;
    AttendanceField focus;
    AttendanceProblem problem;
};

struct AttendanceResult {
    // Every message of one press, in the order they are shown; the focus ends on the last.
    std::vector<CheckMessage> messages;
    // The input after the blank rule emptied what the category forbids.
    DayEntry corrected;
    bool accepted = false;
};

enum class TimeCheck { valid, hourWrong, minuteWrong, colonMissing };
// The check of a 5-byte time text.
TimeCheck CheckTime(const std::string& t);

AttendanceResult CheckAttendance(const DayEntry& in, const std::array<std::string, 10>& timeFlags);

// ----- Fiscal-year registration -----

enum class YearProblem { none, notAnInteger, outOfRange, exists };

struct YearCheckResult {
    bool accepted = false;
    int year = 0;
    YearProblem problem = YearProblem::none;
    Sjis message;  // empty when accepted
};

YearCheckResult CheckYearText(const std::string& text, const CRecordArray<CYearRecord>& years);

// ----- Employee information -----

enum class EmployeeField { none, number, name };

struct EmployeeCheckResult {
    EmployeeField focus = EmployeeField::none;  // none: accepted
    Sjis message;
};

EmployeeCheckResult CheckEmployee(const std::string& number, const std::string& name);

// ----- Password -----

// A typed password (UTF-8) as the book's bytes; none when it holds a character no book can
// hold, which must never match the '?' stored in its place.
std::optional<std::string> TypedPassword(std::string_view utf8);
// Whether what was typed opens a book with the stored password: exactly its bytes, case and
// blanks included.
bool PasswordOpens(const std::optional<std::string>& typed, const std::string& stored);
