#pragma once

#include <array>

class CVespinDoc;
class ISheetCanvas;

// The one-page monthly attendance sheet (出勤表): title, seal boxes, month and employee lines,
// a ruled table with one row per day, the totals per category and the closing note. Designed
// for a 360 dpi page: the table spans x 150 to 2850 and, for 31 days, y 570 to about 3800.
namespace sheet {

// Vertical rules of the table: month, day, weekday, ten category slots, arrival, departure,
// work locations.
inline constexpr std::array<int, 17> kRules = {150,  280,  410,  540,  670,  800,  930,  1060, 1190,
                                               1320, 1450, 1580, 1710, 1850, 2110, 2370, 2850};
inline constexpr int kLeft = 150;
inline constexpr int kRight = 2850;
inline constexpr int kTableTop = 570;
inline constexpr int kPenWidth = 3;
inline constexpr int kShade = 216;  // grey of Sundays and holidays, each of red, green, blue

// x of the "○" and of the total in category slot k (0..9).
constexpr int SlotX(int k) { return 570 + 130 * k; }

// The category slot a day's category index marks, or -1 when the index names none of the ten
// slots (a day never filled in, or a book written under other settings).
int CategorySlot(int category);

}  // namespace sheet

// Draws month `month` (1..12) of fiscal year fiscalYear of doc. Draws nothing when either is
// -1 or the year is not registered.
void DrawAttendanceSheet(ISheetCanvas& canvas, const CVespinDoc& doc, int fiscalYear, int month);
