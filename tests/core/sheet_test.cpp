#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "model/vespindocaccess.h"
#include "output/attendancesheet.h"
#include "output/sheetcanvas.h"
#include "testutil.h"

namespace {

// Records every call; line heights come from a table (the cell height itself by default).
class RecordingCanvas : public ISheetCanvas {
public:
    struct Op {
        std::string kind;  // pen, font, transparent, text, line, fill, restore
        int x = 0, y = 0, x2 = 0, y2 = 0;
        std::string text;  // UTF-8
    };
    static Op Named(const char* kind) {
        Op o;
        o.kind = kind;
        return o;
    }
    std::vector<Op> ops;
    std::map<int, int> lineHeights;

    void SelectPen(int width) override { ops.push_back({"pen", width, 0, 0, 0, {}}); }
    int SelectFont(int height, int weight) override {
        ops.push_back({"font", height, weight, 0, 0, {}});
        const auto it = lineHeights.find(height);
        return it == lineHeights.end() ? height : it->second;
    }
    void SetTransparentBackground() override { ops.push_back(Named("transparent")); }
    void Text(int x, int y, const std::string& text) override {
        ops.push_back({"text", x, y, 0, 0, U(text)});
    }
    void Line(int x1, int y1, int x2, int y2) override {
        ops.push_back({"line", x1, y1, x2, y2, {}});
    }
    void FillRect(int l, int t, int r, int b, int red, int green, int blue) override {
        ops.push_back(
            {"fill", l, t, r, b,
             std::to_string(red) + "," + std::to_string(green) + "," + std::to_string(blue)});
    }
    void RestoreTools() override { ops.push_back(Named("restore")); }

    std::vector<Op> Of(const std::string& kind) const {
        std::vector<Op> out;
        for (const Op& o : ops)
            if (o.kind == kind) out.push_back(o);
        return out;
    }
    // The first text with these contents, or an op of kind "none".
    Op TextOf(const std::string& utf8) const {
        for (const Op& o : ops)
            if (o.kind == "text" && o.text == utf8) return o;
        return Named("none");
    }
    std::vector<Op> TextsAt(int x) const {
        std::vector<Op> out;
        for (const Op& o : Of("text"))
            if (o.x == x) out.push_back(o);
        return out;
    }
    bool HasLine(int x1, int y1, int x2, int y2) const {
        for (const Op& o : Of("line"))
            if (o.x == x1 && o.y == y1 && o.x2 == x2 && o.y2 == y2) return true;
        return false;
    }
};

class Sheet : public ::testing::Test {
protected:
    DocFixture f;
    CVespinDoc& doc = f.doc;
    RecordingCanvas canvas;

    void SetUp() override {
        doc.AppendFiscalYear(2026);
        doc.SetEmployee(S("1234"), S("山田 太郎"));
    }
    int Index(int month, int day) { return doc.MonthRange(2026, month).first + day - 1; }
    void Draw(int month) { DrawAttendanceSheet(canvas, doc, 2026, month); }
};

}  // namespace

TEST_F(Sheet, WorkedPositionsOfAThirtyDayMonth) {
    Draw(4);
    EXPECT_EQ(canvas.TextOf("出　勤　表").y, 100);
    EXPECT_EQ(canvas.TextOf("上長印").y, 160);
    EXPECT_EQ(canvas.TextOf("上長印").x, 2185);
    EXPECT_EQ(canvas.TextOf("総務印").x, 2565);
    for (int y : {140, 260, 530}) EXPECT_TRUE(canvas.HasLine(2100, y, 2850, y)) << y;
    for (int x : {2100, 2485, 2850}) EXPECT_TRUE(canvas.HasLine(x, 140, x, 530)) << x;
    EXPECT_TRUE(canvas.HasLine(150, 570, 2850, 570));
    EXPECT_TRUE(canvas.HasLine(150, 675, 2850, 675));

    // Rows at 695, 790, 885, ...: the day numbers stand in column 310.
    const auto days = canvas.TextsAt(310);
    ASSERT_EQ(days.size(), 31u);  // the header "日" and 30 days
    EXPECT_EQ(days[0].text, "日");
    for (int d = 1; d <= 30; ++d) {
        EXPECT_EQ(days[static_cast<size_t>(d)].text, std::to_string(d));
        EXPECT_EQ(days[static_cast<size_t>(d)].y, 695 + (d - 1) * 95);
        EXPECT_TRUE(canvas.HasLine(150, 695 + (d - 1) * 95 + 75, 2850, 695 + (d - 1) * 95 + 75));
    }
    EXPECT_EQ(canvas.TextOf("計").y, 3545);
    EXPECT_EQ(canvas.TextOf("計").x, 440);
    EXPECT_TRUE(canvas.HasLine(150, 3620, 2850, 3620));
    EXPECT_EQ(canvas.TextOf("(注) この資料は、公的に使用します。").y, 3645);
    for (int x : sheet::kRules) EXPECT_TRUE(canvas.HasLine(x, 570, x, 3620)) << x;
}

TEST_F(Sheet, WorkedPositionsOfAThirtyOneDayMonth) {
    Draw(5);
    EXPECT_EQ(canvas.TextOf("計").y, 3640);
    EXPECT_TRUE(canvas.HasLine(150, 3715, 2850, 3715));
    EXPECT_EQ(canvas.TextOf("(注) この資料は、公的に使用します。").y, 3740);
    EXPECT_EQ(canvas.TextsAt(310).back().text, "31");
}

TEST_F(Sheet, PositionsFollowTheReportedLineHeights) {
    canvas.lineHeights = {{130, 133}, {70, 72}, {60, 64}};
    Draw(4);
    EXPECT_EQ(canvas.TextOf("上長印").y, 100 + 133 - 72);
    EXPECT_TRUE(canvas.HasLine(2100, 141, 2850, 141));
    EXPECT_TRUE(canvas.HasLine(150, 615 + 64, 2850, 615 + 64));
    EXPECT_EQ(canvas.TextsAt(310)[2].y, 635 + 64 + 99);
}

TEST_F(Sheet, CountsPerCategoryInTheTotalsRow) {
    int filled = 0;
    for (int d = 1; d <= 30 && filled < 20; ++d, ++filled)
        doc.StoreDayEntry(Index(4, d), {0, "08:30", "17:45", S("勤務地１")});
    doc.StoreDayEntry(Index(4, 28), {6, "", "", ""});
    doc.StoreDayEntry(Index(4, 29), {6, "", "", ""});
    Draw(4);
    std::vector<RecordingCanvas::Op> totals;
    for (const auto& o : canvas.Of("text"))
        if (o.y == 3545 && o.text != "計") totals.push_back(o);
    ASSERT_EQ(totals.size(), 2u);
    EXPECT_EQ(totals[0].x, 570);
    EXPECT_EQ(totals[0].text, "20");
    EXPECT_EQ(totals[1].x, 1350);
    EXPECT_EQ(totals[1].text, "2");
    // The marks, the times and the small location text of day 1.
    EXPECT_EQ(canvas.TextsAt(570).size(), 21u);
    EXPECT_EQ(canvas.TextsAt(570)[0].text, "○");
    EXPECT_EQ(canvas.TextsAt(1930)[0].text, "08:30");
    EXPECT_EQ(canvas.TextsAt(2190)[0].text, "17:45");
    EXPECT_EQ(canvas.TextsAt(2370)[0].text, "勤務地１");
    EXPECT_EQ(canvas.TextsAt(2370)[0].y, 710);
}

TEST_F(Sheet, MonthLineAndEmployeeLine) {
    Draw(2);
    EXPECT_EQ(canvas.TextOf("年月 2027年 2月分").x, 150);
    EXPECT_EQ(canvas.TextOf("年月 2027年 2月分").y, 300);
    EXPECT_EQ(canvas.TextOf("社員№：1234    氏名：山田 太郎     (印)").y, 450);
    canvas.ops.clear();
    doc.SetEmployee("", S("%s"));
    Draw(4);
    EXPECT_EQ(canvas.TextOf("年月 2026年 4月分").y, 300);
    EXPECT_EQ(canvas.TextOf("社員№：    氏名：%s     (印)").y, 450);
}

TEST_F(Sheet, OnlyTheFirstRowCarriesTheMonth) {
    Draw(2);  // February 2027: 28 days
    const auto month = canvas.TextsAt(180);
    ASSERT_EQ(month.size(), 2u);
    EXPECT_EQ(month[0].text, "月");
    EXPECT_EQ(month[1].text, "2");
    EXPECT_EQ(month[1].y, 695);
    EXPECT_EQ(canvas.TextOf("計").y, 635 + 60 + 28 * 95);
}

TEST_F(Sheet, SundaysAndHolidaysAreShadedBeforeTheirText) {
    Draw(5);  // May 2026: 3, 4, 5, 6 (substitute), 10, 17, 24, 31 are holidays
    std::vector<int> shaded;
    for (const auto& o : canvas.Of("fill")) {
        EXPECT_EQ(o.text, "216,216,216");
        EXPECT_EQ(o.x, 150);
        EXPECT_EQ(o.x2, 2850);
        EXPECT_EQ(o.y2 - o.y, 95);
        shaded.push_back((o.y + 15 - 695) / 95 + 1);
    }
    std::vector<int> expected;
    for (int d = 1; d <= 31; ++d)
        if (doc.Days()[Index(5, d)]->GetDayType() == kHoliday) expected.push_back(d);
    EXPECT_EQ(shaded, expected);
    EXPECT_GE(expected.size(), 5u);
    // Each fill comes before its row's day number, and text is then drawn transparently.
    const auto& ops = canvas.ops;
    for (size_t i = 0; i < ops.size(); ++i) {
        if (ops[i].kind != "fill") continue;
        ASSERT_LT(i + 2, ops.size());
        EXPECT_EQ(ops[i + 1].kind, "transparent");
        EXPECT_EQ(ops[i + 2].y, ops[i].y + 15);
    }
}

TEST_F(Sheet, ToolsAreSetUpAndRestored) {
    Draw(4);
    const auto& ops = canvas.ops;
    EXPECT_EQ(ops.front().kind, "pen");
    EXPECT_EQ(ops.front().x, 3);
    EXPECT_EQ(ops.back().kind, "restore");
    // Title, seal labels, month line, employee line, header, rows: then 40/60 per row.
    std::vector<std::pair<int, int>> fonts;
    for (const auto& o : canvas.Of("font")) fonts.emplace_back(o.x, o.y);
    ASSERT_EQ(fonts.size(), 6u + 2 * 30);
    const std::vector<std::pair<int, int>> head = {{130, 700}, {70, 400}, {80, 400},
                                                   {80, 400},  {60, 400}, {60, 400}};
    EXPECT_TRUE(std::equal(head.begin(), head.end(), fonts.begin()));
    EXPECT_EQ(fonts[6], std::make_pair(40, 400));
    EXPECT_EQ(fonts[7], std::make_pair(60, 400));
}

TEST_F(Sheet, HeaderNamesStandAtTheirSlots) {
    VespinDocAccess::Settings(doc).m_astrCategories[3] = "";
    Draw(4);
    for (int k = 0; k < 10; ++k) {
        const auto at = canvas.TextsAt(542 + 130 * k);
        if (k == 3) {
            EXPECT_TRUE(at.empty());
        } else {
            ASSERT_EQ(at.size(), 1u);
            EXPECT_EQ(at[0].y, 600);
            EXPECT_EQ(S(at[0].text), doc.Settings().m_astrCategories[static_cast<size_t>(k)]);
        }
    }
    EXPECT_EQ(canvas.TextOf("出勤時刻").x, 1852);
    EXPECT_EQ(canvas.TextOf("退出時刻").x, 2112);
    EXPECT_EQ(canvas.TextOf("出勤場所").x, 2470);
    // The grid keeps all ten category columns.
    for (int x : sheet::kRules) EXPECT_TRUE(canvas.HasLine(x, 570, x, 3620)) << x;
}

TEST_F(Sheet, CategoryIndexBeyondTheSlotsMarksNothing) {
    // Books kept under settings with other or fewer categories, or damaged ones, may hold any
    // index: it must neither reach past the ten counters nor mark outside the category columns.
    for (int c : {10, 11, 57, 1000000, -2, -1000000}) {
        doc.StoreDayEntry(Index(4, 1), {c, "", "", ""});
        doc.StoreDayEntry(Index(4, 2), {9, "", "", ""});
        canvas.ops.clear();
        Draw(4);
        int marks = 0;
        for (const auto& o : canvas.Of("text")) {
            EXPECT_GE(o.x, 150);
            EXPECT_LT(o.x, 2850);
            if (o.text != "○") continue;
            ++marks;
            EXPECT_GE(o.x, 540) << c;
            EXPECT_LT(o.x, 1850) << c;
            EXPECT_EQ(o.x, sheet::SlotX(9)) << c;
        }
        EXPECT_EQ(marks, 1) << c;
        std::vector<std::string> totals;
        for (const auto& o : canvas.Of("text"))
            if (o.y == 3545 && o.text != "計") totals.push_back(std::to_string(o.x) + ":" + o.text);
        EXPECT_EQ(totals, std::vector<std::string>{"1740:1"}) << c;
    }
    EXPECT_EQ(sheet::CategorySlot(0), 0);
    EXPECT_EQ(sheet::CategorySlot(9), 9);
    EXPECT_EQ(sheet::CategorySlot(10), -1);
    EXPECT_EQ(sheet::CategorySlot(-1), -1);
}

TEST_F(Sheet, NothingWithoutAMonthOrARegisteredYear) {
    DrawAttendanceSheet(canvas, doc, -1, 4);
    DrawAttendanceSheet(canvas, doc, 2026, -1);
    DrawAttendanceSheet(canvas, doc, 2030, 4);
    DrawAttendanceSheet(canvas, doc, 2026, 13);
    EXPECT_TRUE(canvas.ops.empty());
}

TEST_F(Sheet, EmptyMonthPrintsDaysWeekdaysAndOnlyTheTotalLabel) {
    Draw(6);
    EXPECT_TRUE(canvas.Of("fill").size() > 0);
    for (const auto& o : canvas.Of("text")) EXPECT_NE(o.text, "○");
    EXPECT_EQ(canvas.TextsAt(440).size(), 1u + 30 + 1);  // "曜", 30 weekdays, "計"
    EXPECT_EQ(canvas.TextsAt(440)[1].text, "月");        // 1 June 2026 is a Monday
    for (const auto& o : canvas.Of("text"))
        EXPECT_FALSE(o.x == 1930 || o.x == 2190 || o.x == 2370) << o.text;
}
