#include "model/monthreport.h"

#include <gtest/gtest.h>

#include "core/testutil.h"

using monthreport::Month;
using monthreport::Row;

namespace {

int D(int y, int m, int d) { return labourlaw::DayNumber(y, m, d); }

TEST(MonthReport, ParseMonth) {
    const struct {
        const char* text;
        int year, month;  // 0: refused
    } cases[] = {{"2026-04", 2026, 4}, {"2026-12", 2026, 12}, {"2026-4", 0, 0},
                 {"2026-13", 0, 0},    {"2026-00", 0, 0},     {"2026/04", 0, 0},
                 {"2026-04x", 0, 0},   {"-026-04", 0, 0}};
    for (const auto& c : cases) {
        const auto m = monthreport::ParseMonth(c.text);
        EXPECT_EQ(m ? m->year * 100 + m->month : 0, c.year * 100 + c.month) << c.text;
    }
}

TEST(MonthReport, TheFiveDaysOfTheMonth) {
    using leave::Status;
    const leave::Obligation older{D(2025, 10, 1), D(2026, 9, 30), 10, 10, Status::met};
    const leave::Obligation newer{D(2026, 4, 1), D(2027, 3, 31), 10, 2, Status::pending};
    const leave::Obligation missed{D(2025, 4, 1), D(2026, 3, 31), 10, 4, Status::unmet};
    const struct {
        std::vector<leave::Obligation> obligations;
        int monthStart, monthEnd;
        int deadline;  // 0: none
    } cases[] = {
        {{older, newer}, D(2026, 5, 1), D(2026, 5, 31), D(2027, 3, 31)},    // the one still owed
        {{older}, D(2026, 5, 1), D(2026, 5, 31), D(2026, 9, 30)},           // met
        {{missed, newer}, D(2026, 3, 21), D(2026, 4, 20), D(2026, 3, 31)},  // missed in the month
        {{missed}, D(2026, 4, 1), D(2026, 4, 30), 0},                       // over before it
        {{newer}, D(2026, 3, 1), D(2026, 3, 31), 0},                        // not yet begun
    };
    for (const auto& c : cases) {
        const auto f = monthreport::MonthFiveDays(c.obligations, c.monthStart, c.monthEnd);
        EXPECT_EQ(f ? f->deadline : 0, c.deadline) << labourlaw::FormatDate(c.monthStart);
    }
}

// Two fiscal years of 9:00-21:00 on weekdays from January 2026 (about 60 hours of 法定時間外 a
// month), wage months from the 21st, read on two threads.
TEST(MonthReport, WageMonthAgreementYearAndOrder) {
    DocFixture f;
    WriteFile(f.dir.file("vespin.ini"),
              S("出勤,遅刻,早退,欠勤,半休,休出,有休,振休,特休,特欠\r\n10,11,12,20,13,14,21,22,23,"
                "24\r\n1,1,1,0,1,1,0,0,0,0\r\n勤務地\r\n\r\n\r\n8:00,12:00-13:00\r\n日,日,40:00,"
                "21,0:00,0:00\r\n"));
    CVespinDoc& doc = f.doc;
    doc.ReadSettings();
    doc.RegisterYear(2025);
    doc.RegisterYear(2026);
    for (int k = 0; k < doc.Days().GetSize(); ++k) {
        const CDayRecord& r = *doc.Days()[k];
        if (r.GetDayType() == 1 && D(r.GetYear(), r.GetMonth(), r.GetDay()) >= D(2026, 1, 1))
            doc.StoreDayEntry(k, DayEntry{0, "09:00", "21:00", ""});
    }
    doc.SetEmployee("77", S("高橋"));
    ASSERT_TRUE(doc.OnSaveDocument(f.dir.file("a.vpx")));
    WriteFile(f.dir.file("b.vpx"), "not a book");

    monthreport::Options o;
    o.settingsPath = f.dir.file("vespin.ini");
    o.threads = 2;
    const std::vector<monthreport::Source> sources = {
        {f.dir.file("a.vpx")}, {f.dir.file("b.vpx")}, {f.dir.file("a.vpx")}, {f.dir.file("a.vpx")}};
    std::atomic<size_t> done{0};
    const std::vector<Row> rows = monthreport::ReadAll(sources, Month{2026, 4}, o, &done);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(done.load(), 4u);
    EXPECT_EQ(rows[1].error.Utf8(), "予期しないﾌｧｲﾙ形式です。");
    for (size_t i : {0u, 2u, 3u}) {
        const Row& r = rows[i];
        EXPECT_EQ(r.path, sources[i].path);
        ASSERT_TRUE(r.read && r.monthInBook);
        EXPECT_EQ(U(r.employeeName), "高橋");
        // The wage month 4/21-5/20, as the law's hours count it.
        const labourlaw::Result w = labourlaw::Compute(doc, D(2026, 4, 21), D(2026, 5, 20));
        ASSERT_EQ(w.months.size(), 1u);
        EXPECT_EQ(r.days, w.months[0].days);
        EXPECT_EQ(r.figures.Overtime(), w.months[0].f.Overtime());
        // April is the first month of its agreement year: May's 45 hours and more are not yet.
        EXPECT_EQ(r.monthsOver45, 1);
        // The averages reach back into the previous agreement year (January to April).
        EXPECT_GT(r.maxAverage, 45 * 100);
        EXPECT_FALSE(r.leaveLeft);
    }
    EXPECT_EQ(monthreport::Cells(rows[0]), monthreport::Cells(rows[3]));

    std::atomic<bool> cancel{true};
    const std::vector<Row> none =
        monthreport::ReadAll(sources, Month{2026, 4}, o, nullptr, &cancel);
    EXPECT_FALSE(none[0].read);
    EXPECT_EQ(none[3].path, sources[3].path);
}

}  // namespace
