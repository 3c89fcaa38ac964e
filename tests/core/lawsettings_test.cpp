#include "model/lawsettings.h"

#include <gtest/gtest.h>

#include "framework/frameworktexts.h"

using namespace lawsettings;
using texts::S;

namespace {

std::vector<int> BadNumbers(const std::vector<BadField>& bad) {
    std::vector<int> n;
    for (const auto& b : bad) n.push_back(b.field);
    return n;
}

}  // namespace

TEST(LawSettings, Line8) {
    struct Case {
        const char* line;
        int weekStart;
        LegalHolidayRule rule;
        int weekday, weekly, monthStart, saturday, holiday;
        std::vector<int> bad;
    } cases[] = {
        {"", 0, LegalHolidayRule::weekday, 0, 2400, 1, 0, 0, {}},
        {"日,日,40:00,1,0:00,0:00", 0, LegalHolidayRule::weekday, 0, 2400, 1, 0, 0, {}},
        {"月,土,44:00,21,4:00,1:30", 1, LegalHolidayRule::weekday, 6, 2640, 21, 240, 90, {}},
        {" 土 , なし ", 6, LegalHolidayRule::unspecified, 0, 2400, 1, 0, 0, {}},
        {",日ごと", 0, LegalHolidayRule::perDay, 0, 2400, 1, 0, 0, {}},
        // Each bad field keeps its default; the others still apply.
        {"曜,毎週,42:00,29,25:00,x,7",
         0,
         LegalHolidayRule::weekday,
         0,
         2400,
         1,
         0,
         0,
         {1, 2, 3, 4, 5, 6, 7}},
        {"火,水,40:00,0,8:0", 2, LegalHolidayRule::weekday, 3, 2400, 1, 0, 0, {4, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const Reading<WorkWeek> r = ParseWorkWeek(S(c.line));
        EXPECT_EQ(r.value.weekStart, c.weekStart);
        EXPECT_EQ(r.value.legalHolidayRule, c.rule);
        EXPECT_EQ(r.value.legalHolidayWeekday, c.weekday);
        EXPECT_EQ(r.value.weeklyLimit, c.weekly);
        EXPECT_EQ(r.value.wageMonthStart, c.monthStart);
        EXPECT_EQ(r.value.saturdayScheduled, c.saturday);
        EXPECT_EQ(r.value.holidayScheduled, c.holiday);
        EXPECT_EQ(BadNumbers(r.bad), c.bad);
    }
}

TEST(LawSettings, Line9) {
    struct Case {
        const char* line;
        int month, day, monthLimit, yearLimit;
        bool special;
        int sMonth, sYear, sCount;
        std::vector<int> bad;
    } cases[] = {
        {"", 4, 1, 2700, 21600, false, 0, 0, 0, {}},
        {"4/1,45:00,360:00,80:00,720:00,6", 4, 1, 2700, 21600, true, 4800, 43200, 6, {}},
        {"10/16,42:00,320:00", 10, 16, 2520, 19200, false, 0, 0, 0, {}},
        // Beyond the law's limits, or a day not every month has.
        {"2/29,46:00,361:00,100:00,721:00,7",
         4,
         1,
         2700,
         21600,
         false,
         0,
         0,
         0,
         {1, 2, 3, 4, 5, 6}},
        // A special clause needs all three of its figures.
        {"4/1,45:00,360:00,80:00", 4, 1, 2700, 21600, false, 0, 0, 0, {5, 6}},
        {"4/1,,,99:59,720:00,1,x", 4, 1, 2700, 21600, true, 5999, 43200, 1, {7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const Reading<Agreement> r = ParseAgreement(S(c.line));
        EXPECT_EQ(r.value.startMonth, c.month);
        EXPECT_EQ(r.value.startDay, c.day);
        EXPECT_EQ(r.value.monthLimit, c.monthLimit);
        EXPECT_EQ(r.value.yearLimit, c.yearLimit);
        EXPECT_EQ(r.value.special, c.special);
        EXPECT_EQ(r.value.specialMonthLimit, c.sMonth);
        EXPECT_EQ(r.value.specialYearLimit, c.sYear);
        EXPECT_EQ(r.value.specialMaxMonths, c.sCount);
        EXPECT_EQ(BadNumbers(r.bad), c.bad);
    }
}

TEST(LawSettings, Line10CategoryMeanings) {
    std::array<std::string, 10> categories;
    const char* names[10] = {"出勤", "遅刻", "早退", "欠勤", "半休",
                             "休出", "有休", "振休", "特休", "特欠"};
    for (size_t i = 0; i < 10; ++i) categories[i] = S(names[i]);
    const Reading<CategoryMeanings> r = ParseCategoryMeanings(
        S("有休=1,半休=0.5,振休=休日,特欠=除外,特休=出勤扱い,初回=4/1,以降=4/1,順=新,"
          "欠勤=欠勤,休出=出勤,代休=除外,遅刻,早退=2,出勤=0.25"),
        categories);
    using M = Meaning;
    const std::pair<M, int> expected[10] = {
        {M::leave, 25}, {M::unnamed, 0}, {M::unnamed, 0}, {M::absent, 0}, {M::leave, 50},
        {M::worked, 0}, {M::leave, 100}, {M::rest, 0},    {M::deemed, 0}, {M::excluded, 0}};
    for (size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(r.value[i].meaning, expected[i].first) << i;
        EXPECT_EQ(r.value[i].leaveHundredths, expected[i].second) << i;
    }
    // An unknown category, a field without a meaning, a meaning that is none.
    EXPECT_EQ(BadNumbers(r.bad), (std::vector<int>{11, 12, 13}));
}

TEST(LawSettings, MessagesAreBounded) {
    std::vector<BadField> bad;
    for (int i = 1; i <= 12; ++i) bad.push_back({i, "x"});
    const std::string m = BadFieldsMessage(10, bad);
    EXPECT_NE(m.find(S("10番目の項目「x」")), std::string::npos);
    EXPECT_EQ(m.find(S("11番目")), std::string::npos);
    EXPECT_NE(m.find(S("ほか 2 項目")), std::string::npos);
    std::vector<std::string> messages;
    const Settings s = ReadSettings(S("月"), S("x"), "", {}, messages);
    EXPECT_EQ(s.week.weekStart, 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind(S("【 vespin.ini 】の９行目"), 0), 0u);
}
