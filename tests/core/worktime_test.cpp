#include "model/worktime.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "model/checks.h"
#include "model/vespindocaccess.h"
#include "testutil.h"

using namespace worktime;

namespace {

// Day figures as H:MM texts: span, break, worked, overtime, night, holiday work.
std::vector<std::string> Hours(const DayFigures& f) {
    return {FormatHours(f.span),     FormatHours(f.breakTime), FormatHours(f.worked),
            FormatHours(f.overtime), FormatHours(f.night),     FormatHours(f.holidayWork)};
}

struct Day {
    CDayRecord rec;
    Day(int category, const std::string& start, const std::string& end, int type = kWeekday) {
        rec.SetCategory(category);
        rec.SetStart(start);
        rec.SetEnd(end);
        rec.SetDayType(type);
    }
};

const std::array<std::string, 10> kFlags = {"1", "1", "1", "0", "1", "1", "0", "0", "0", "0"};

DayState Eval(const Day& d, DayFigures& f, const Rules& rules = {}) {
    return EvaluateDay(d.rec, rules, kFlags, f);
}

std::vector<std::string> Counted(const Day& d, const Rules& rules = {}) {
    DayFigures f;
    EXPECT_EQ(Eval(d, f, rules), DayState::counted);
    return Hours(f);
}

using H = std::vector<std::string>;

}  // namespace

TEST(WorkTime, CountedDaysUnderTheDefaultRules) {
    EXPECT_EQ(Counted({0, "08:45", "18:00"}), (H{"9:15", "1:00", "8:15", "0:15", "0:00", "0:00"}));
    // No overlap with the break.
    EXPECT_EQ(Counted({0, "13:00", "17:00"}), (H{"4:00", "0:00", "4:00", "0:00", "0:00", "0:00"}));
    // Leaving inside the break.
    EXPECT_EQ(Counted({2, "08:00", "12:30"}), (H{"4:30", "0:30", "4:00", "0:00", "0:00", "0:00"}));
    // A night shift up to the latest time the entry takes: 22:00 on is night.
    EXPECT_EQ(Counted({0, "18:00", "24:59"}), (H{"6:59", "0:00", "6:59", "0:00", "2:59", "0:00"}));
    // An early start: 4:00 to 5:00 is night.
    EXPECT_EQ(Counted({0, "04:00", "13:00"}), (H{"9:00", "1:00", "8:00", "0:00", "1:00", "0:00"}));
    // A Sunday or holiday worked (休出).
    EXPECT_EQ(Counted({5, "09:00", "18:30", kHoliday}),
              (H{"9:30", "1:00", "8:30", "0:30", "0:00", "8:30"}));
    // A night shift: the departure is the next morning.
    EXPECT_EQ(Counted({0, "22:00", "07:00"}), (H{"9:00", "0:00", "9:00", "1:00", "7:00", "0:00"}));
    EXPECT_EQ(Counted({0, "24:50", "24:40"}),
              (H{"23:50", "0:00", "23:50", "15:50", "6:50", "0:00"}));
    // Arrival equal to departure counts as a day of nothing.
    EXPECT_EQ(Counted({0, "09:00", "09:00"}), (H{"0:00", "0:00", "0:00", "0:00", "0:00", "0:00"}));
}

TEST(WorkTime, DaysThatAreNotCounted) {
    DayFigures f;
    EXPECT_EQ(Eval({3, "", ""}, f), DayState::none);  // 欠勤 with no times
    EXPECT_EQ(Eval({-1, "", ""}, f), DayState::none);
    EXPECT_EQ(Eval({0, "09:00", ""}, f), DayState::incomplete);
    EXPECT_EQ(Eval({0, "", "18:00"}, f), DayState::incomplete);
    // A departure before the arrival is the next morning, unless the arrival is after 24:00.
    EXPECT_EQ(Eval({0, "24:30", "00:10"}, f), DayState::incomplete);
    // Marked as worked without times, times under a category without them, unreadable times.
    EXPECT_EQ(Eval({0, "", ""}, f), DayState::incomplete);
    EXPECT_EQ(Eval({3, "09:00", "18:00"}, f), DayState::incomplete);
    EXPECT_EQ(Eval({-1, "09:00", "18:00"}, f), DayState::incomplete);
    EXPECT_EQ(Eval({0, "9:00", "18:00"}, f), DayState::incomplete);
    EXPECT_EQ(Eval({0, "09:00", "18:60"}, f), DayState::incomplete);
    // Times the entry refuses, written by another program or by hand, cannot be read.
    for (const char* end : {"25:00", "99:59", "30:00"})
        EXPECT_EQ(Eval({0, "00:00", end}, f), DayState::incomplete) << end;
    // Every time of digits is read exactly when the entry takes it.
    for (int h = 0; h < 100; ++h)
        for (int m = 0; m < 100; ++m) {
            char t[8];
            std::snprintf(t, sizeof t, "%02d:%02d", h, m);
            EXPECT_EQ(ParseStoredTime(t) >= 0, CheckTime(t) == TimeCheck::valid) << t;
        }
}

TEST(WorkTime, RulesFromTheSettingsLine) {
    const RulesReading two = ParseRules("7:30, 12:00-12:45 ,15:00-15:15");
    EXPECT_TRUE(two.bad.empty());
    EXPECT_EQ(two.rules.scheduled, 450);
    EXPECT_EQ(Counted({0, "08:30", "17:45"}, two.rules),
              (H{"9:15", "1:00", "8:15", "0:45", "0:00", "0:00"}));

    // A break at night is taken off the night work too; overlapping breaks count once.
    const Rules night = ParseRules("8:00,23:00-23:30,23:15-23:45,12:00-13:00").rules;
    ASSERT_EQ(night.breaks.size(), 2u);
    EXPECT_EQ(FormatPeriod(night.breaks[1]), "23:00-23:45");
    EXPECT_EQ(Counted({0, "18:00", "24:59"}, night),
              (H{"6:59", "0:45", "6:14", "0:00", "2:14", "0:00"}));

    const Rules none = ParseRules("6:00,-").rules;
    EXPECT_TRUE(none.breaks.empty());
    for (const char* empty : {"", ",", " , "}) {
        const RulesReading d = ParseRules(empty);
        EXPECT_TRUE(d.bad.empty());
        EXPECT_EQ(d.rules.scheduled, 480);
        ASSERT_EQ(d.rules.breaks.size(), 1u);
        EXPECT_EQ(FormatPeriod(d.rules.breaks[0]), "12:00-13:00");
    }
}

TEST(WorkTime, BadFieldsAreListedAndTakeTheDefault) {
    const RulesReading r = ParseRules("8:7x,25:00-26:00x,13:00-12:00,10:00-10:15,12:00");
    ASSERT_EQ(r.bad.size(), 4u);
    EXPECT_EQ(r.bad[0].field, 1);
    EXPECT_EQ(r.bad[0].text, "8:7x");
    EXPECT_EQ(r.bad[3].field, 5);
    EXPECT_EQ(r.rules.scheduled, 480);
    ASSERT_EQ(r.rules.breaks.size(), 2u);
    EXPECT_EQ(FormatPeriod(r.rules.breaks[0]), "10:00-10:15");
    EXPECT_EQ(FormatPeriod(r.rules.breaks[1]), "12:00-13:00");
    EXPECT_EQ(ParseRules("24:01").bad.size(), 1u);

    // At start-up: one message naming the line and the fields, and the program goes on.
    TempDir dir;
    WriteFile(dir.file("vespin.ini"), "a\r\nb\r\nc\r\nd\r\n\r\n\r\n9:0,12:00-13:00,x\r\n");
    FakeUi ui;
    CVespinDoc doc(&ui, dir.file("vespin"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0],
              "【 vespin.ini 】の７行目(所定労働時間と休憩)の次の項目は正しくありませんので、\n"
              "デフォルトの設定とします。\n1番目の項目「9:0」\n3番目の項目「x」");
    EXPECT_EQ(doc.Settings().m_workRules.scheduled, 480);

    // Thousands of bad fields: ten named, the rest counted.
    std::string many = "8:00";
    for (int i = 0; i < 80000; ++i) many += ",x";
    const std::string text = U(BadRulesMessage(ParseRules(many).bad));
    EXPECT_LT(text.size(), 500u);
    EXPECT_NE(text.find("\n11番目の項目「x」\nほか 79990 項目"), std::string::npos) << text;
}

TEST(WorkTime, MonthAndFiscalYearToDate) {
    DocFixture f;
    f.doc.AppendFiscalYear(2026);
    auto fill = [&](int month, int day, int category, const char* a, const char* d) {
        f.doc.StoreDayEntry(f.doc.MonthRange(2026, month).first + day - 1, {category, a, d, ""});
    };
    for (int day = 1; day <= 31; ++day) fill(12, day, 0, "08:30", "17:45");
    fill(11, 2, 0, "09:00", "22:30");
    fill(11, 3, 3, "", "");
    fill(11, 4, 0, "09:00", "");
    fill(1, 5, 0, "09:00", "18:00");  // after December: outside the year to date

    const std::optional<MonthSummary> dec = SummarizeMonth(f.doc, 2026, 12);
    ASSERT_TRUE(dec);
    EXPECT_EQ(dec->calendarYear, 2026);
    EXPECT_EQ(dec->monthTotals.days, 31);
    // 4 Sundays and the 23rd red; 所定外 is all of a 所定休日's work (4 Saturdays, 5 red days).
    EXPECT_EQ(Hours(dec->monthTotals.sum),
              (H{"286:45", "31:00", "255:45", "79:45", "0:00", "41:15"}));
    EXPECT_EQ(dec->days.size(), 31u);
    EXPECT_EQ(dec->categoryDays[0], 31);
    EXPECT_TRUE(dec->incomplete.empty());
    EXPECT_EQ(dec->yearTotals.days, 32);
    EXPECT_EQ(Hours(dec->yearTotals.sum),
              (H{"300:15", "32:00", "268:15", "84:15", "0:30", "41:15"}));
    // A Saturday marked as a 所定労働日 has the weekday's 所定.
    bookext::Extension ext;
    bookext::SetDayMark(ext, {2026, 12, 5, bookext::Mark::automatic, bookext::Mark::yes});
    f.doc.SetExtension(ext);
    EXPECT_EQ(FormatHours(SummarizeMonth(f.doc, 2026, 12)->monthTotals.sum.overtime), "71:45");
    // Line 8 may give Saturdays and holidays a 所定 of their own.
    VespinDocAccess::SetSettingLine(f.doc, 7, ",,,,8:00,8:00");
    EXPECT_EQ(FormatHours(SummarizeMonth(f.doc, 2026, 12)->monthTotals.sum.overtime), "7:45");

    const std::optional<MonthSummary> nov = SummarizeMonth(f.doc, 2026, 11);
    ASSERT_TRUE(nov);
    EXPECT_EQ(nov->monthTotals.days, 1);
    EXPECT_EQ(nov->categoryDays[0], 2);
    EXPECT_EQ(nov->categoryDays[3], 1);
    EXPECT_EQ(nov->incomplete, std::vector<int>{f.doc.MonthRange(2026, 11).first + 3});

    EXPECT_EQ(SummarizeMonth(f.doc, 2026, 1)->calendarYear, 2027);
    EXPECT_FALSE(SummarizeMonth(f.doc, 2027, 4));
    EXPECT_EQ(FormatHours(0), "0:00");
    EXPECT_EQ(FormatHours(9150), "152:30");
}
