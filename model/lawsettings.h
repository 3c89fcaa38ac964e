#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/worktime.h"

// The settings of working time as the law counts it: line 8 (the week, the 法定休日, the wage
// month, the 所定 of rest days), line 9 (the 36協定) and the category meanings of line 10.
// Every parser is a pure function of its line (Shift-JIS); a field that cannot be read is
// listed with its number and its default is used.
namespace lawsettings {

enum class LegalHolidayRule {
    weekday,      // a designated weekday (the usual 就業規則 clause)
    unspecified,  // なし: the last rest day of a week whose rest days were all worked
    perDay,       // 日ごと: only the days marked in the book
};

struct WorkWeek {
    int weekStart = 0;  // 0 = Sunday … 6 = Saturday
    LegalHolidayRule legalHolidayRule = LegalHolidayRule::weekday;
    int legalHolidayWeekday = 0;
    int weeklyLimit = 40 * 60;  // 40:00, or 44:00 under the 特例
    int wageMonthStart = 1;     // 1..28
    int saturdayScheduled = 0;  // 所定 of a Saturday (type 2)
    int holidayScheduled = 0;   // 所定 of a Sunday or holiday (type 3)
};

struct Agreement {
    int startMonth = 4;  // 起算日
    int startDay = 1;    // 1..28; the agreement's months run from this day of the month
    int monthLimit = 45 * 60;
    int yearLimit = 360 * 60;
    bool special = false;       // 特別条項
    int specialMonthLimit = 0;  // 時間外 + 休日 of a month, under 100:00
    int specialYearLimit = 0;   // up to 720:00
    int specialMaxMonths = 0;   // months over 45:00 a year, up to 6
};

enum class Meaning {
    unnamed,   // not on line 10: with times 出勤, without 欠勤
    leave,     // a number of leave days (leaveHundredths)
    worked,    // 出勤
    deemed,    // 出勤扱い
    absent,    // 欠勤
    excluded,  // 除外
    rest,      // 休日: the day becomes a rest day
};

struct CategoryMeaning {
    Meaning meaning = Meaning::unnamed;
    int leaveHundredths = 0;  // 100 = one day, 50 = half a day
};

using CategoryMeanings = std::array<CategoryMeaning, 10>;

template <class T>
struct Reading {
    T value;
    std::vector<BadField> bad;
};

// Line 8: 週の起算日,法定休日,週の法定労働時間,賃金月の起算日,土曜の所定,休日の所定.
Reading<WorkWeek> ParseWorkWeek(const std::string& line);
// Line 9: 起算日,月の限度,年の限度[,特別条項の月の上限,特別条項の年の上限,特別条項の回数]. A
// special clause needs all three of its fields; without them the general limits apply.
Reading<Agreement> ParseAgreement(const std::string& line);
// Line 10's `名前=意味` fields for the categories of line 1 (categories, Shift-JIS); the fields
// of the paid-leave policy (初回, 以降, 順) are left to their own reader.
Reading<CategoryMeanings> ParseCategoryMeanings(const std::string& line,
                                                const std::array<std::string, 10>& categories);

// Lines 8, 9 and 10 together, and the start-up messages of their bad fields (one a line read).
struct Settings {
    WorkWeek week;
    Agreement agreement;
    CategoryMeanings categories;
};
Settings ReadSettings(const std::string& line8, const std::string& line9, const std::string& line10,
                      const std::array<std::string, 10>& categories,
                      std::vector<std::string>& messages);

// The start-up message of a line's bad fields, at most ten of them named (lineNumber 8, 9, 10).
std::string BadFieldsMessage(int lineNumber, const std::vector<BadField>& bad);

// "H:MM" with one or more hour digits, in minutes; -1 when it is not one.
int ParseHoursField(const std::string& field);

}  // namespace lawsettings
