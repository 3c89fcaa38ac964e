#include "output/attendancesheet.h"

#include "framework/clock.h"
#include "model/dayrecord.h"
#include "model/texts.h"
#include "model/vespindoc.h"
#include "output/sheetcanvas.h"

namespace sheet {

int CategorySlot(int category) { return category >= 0 && category < 10 ? category : -1; }

}  // namespace sheet

namespace {

constexpr int kBold = 700;
constexpr int kNormal = 400;

std::string Int(int v) { return std::to_string(v); }

// Texts that are empty draw nothing; skipping them keeps the surface's work to what shows.
void Put(ISheetCanvas& c, int x, int y, const std::string& text) {
    if (!text.empty()) c.Text(x, y, text);
}

}  // namespace

void DrawAttendanceSheet(ISheetCanvas& c, const CVespinDoc& doc, int fiscalYear, int month) {
    using namespace sheet;
    if (fiscalYear == -1 || month == -1) return;
    const auto [first, last] = doc.MonthRange(fiscalYear, month);
    // A book whose year records point past its days has nothing trustworthy to print.
    if (first < 0 || last < first || last >= doc.Days().GetSize()) return;
    const int calendarYear = CalendarYearOf(fiscalYear, month);
    const int n = last - first + 1;

    c.SelectPen(kPenWidth);

    // Title, and the seal labels with their bottoms on the title's bottom.
    const int l130 = c.SelectFont(130, kBold);
    c.Text(1000, 100, texts::kSheetTitle);
    const int l70 = c.SelectFont(70, kNormal);
    const int ys = 100 + l130 - l70;
    c.Text(2185, ys, texts::kSheetSealSupervisor);
    c.Text(2565, ys, texts::kSheetSealAffairs);

    // Two seal boxes side by side: a 120 high label band over a 270 high seal area.
    const int yb = ys - 20;
    for (int y : {yb, yb + 120, yb + 390}) c.Line(2100, y, kRight, y);
    for (int x : {2100, 2485, kRight}) c.Line(x, yb, x, yb + 390);

    c.SelectFont(80, kNormal);
    c.Text(150, 300, texts::Format2(texts::kSheetMonthLine, Int(calendarYear), Int(month)));
    c.SelectFont(80, kNormal);
    c.Text(150, 450,
           texts::Format2(texts::kSheetEmployeeLine, doc.EmployeeNo(), doc.EmployeeName()));

    // Header.
    const int lh = c.SelectFont(60, kNormal);
    c.Line(kLeft, kTableTop, kRight, kTableTop);
    c.Text(180, 600, texts::kSheetHeadMonth);
    c.Text(310, 600, texts::kSheetHeadDay);
    c.Text(440, 600, texts::kSheetHeadWeekday);
    for (int k = 0; k < 10; ++k)
        Put(c, 542 + 130 * k, 600, doc.Settings().m_astrCategories[static_cast<size_t>(k)]);
    c.Text(1852, 600, texts::kSheetHeadArrival);
    c.Text(2112, 600, texts::kSheetHeadDeparture);
    c.Text(2470, 600, texts::kSheetHeadPlace);
    c.Line(kLeft, 615 + lh, kRight, 615 + lh);

    // One row per day.
    const int lr = c.SelectFont(60, kNormal);
    const int pitch = lr + 35;
    std::array<int, 10> counts{};
    for (int j = 0; j < n; ++j) {
        const CDayRecord& r = *doc.Days()[first + j];
        const int y = 635 + lh + j * pitch;
        if (r.GetDayType() == kHoliday)
            c.FillRect(kLeft, y - 15, kRight, y + 80, kShade, kShade, kShade);
        c.SetTransparentBackground();
        if (j == 0) c.Text(180, y, Int(r.GetMonth()));
        c.Text(310, y, Int(r.GetDay()));
        Put(c, 440, y, r.Weekday());
        const int slot = CategorySlot(r.GetCategory());
        if (slot >= 0) {
            c.Text(SlotX(slot), y, texts::kMark);
            ++counts[static_cast<size_t>(slot)];
        }
        Put(c, 1930, y, r.Start());
        Put(c, 2190, y, r.End());
        c.SelectFont(40, kNormal);
        Put(c, 2370, y + 15, r.Place());
        c.SelectFont(60, kNormal);
        c.Line(kLeft, y + lr + 15, kRight, y + lr + 15);
    }

    // Totals, the frame's bottom and its verticals, the note.
    const int yt = 635 + lh + n * pitch;
    c.Text(440, yt, texts::kSheetTotal);
    for (int k = 0; k < 10; ++k)
        if (counts[static_cast<size_t>(k)] > 0)
            c.Text(SlotX(k), yt, Int(counts[static_cast<size_t>(k)]));
    const int ye = yt + lr + 15;
    c.Line(kLeft, ye, kRight, ye);
    for (int x : kRules) c.Line(x, kTableTop, x, ye);
    c.Text(150, yt + 100, texts::kSheetNote);

    c.RestoreTools();
}
