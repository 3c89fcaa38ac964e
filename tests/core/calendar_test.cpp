#include <gtest/gtest.h>

#include "framework/archive.h"
#include "model/vespindocaccess.h"
#include "testutil.h"

namespace {

// The record of a date in the document's day list (searched, not computed, so that the
// test does not repeat the layout it checks).
const CDayRecord* Day(const CVespinDoc& doc, int y, int m, int d) {
    for (const auto& r : doc.Days())
        if (r->GetYear() == y && r->GetMonth() == m && r->GetDay() == d) return r.get();
    return nullptr;
}

int Type(const CVespinDoc& doc, int y, int m, int d) {
    const CDayRecord* r = Day(doc, y, m, d);
    return r ? r->GetDayType() : -99;
}

class Calendar : public ::testing::Test {
protected:
    DocFixture f;
    CVespinDoc& doc = f.doc;
};

}  // namespace

TEST_F(Calendar, LeapYears) {
    EXPECT_EQ(CVespinDoc::IsLeapYear(2000), 1);
    EXPECT_EQ(CVespinDoc::IsLeapYear(2100), 0);
    EXPECT_EQ(CVespinDoc::IsLeapYear(2004), 1);
    EXPECT_EQ(CVespinDoc::IsLeapYear(2001), 0);
}

TEST_F(Calendar, FiscalYearBlocksAndLeapFlag) {
    EXPECT_EQ(doc.AppendFiscalYear(2003), 366);
    EXPECT_EQ(doc.AppendFiscalYear(2000), 365);
    const CYearRecord* y2003 = doc.Years()[0];
    EXPECT_EQ(y2003->GetLeap(), 1);
    EXPECT_EQ(y2003->GetFirstIndex(), 0);
    EXPECT_EQ(y2003->GetLastIndex(), 365);
    const CYearRecord* y2000 = doc.Years()[1];
    EXPECT_EQ(y2000->GetLeap(), 0);
    EXPECT_EQ(y2000->GetFirstIndex(), 366);
    EXPECT_EQ(y2000->GetLastIndex(), 366 + 364);
    // Date order inside a block, 1 April first and 31 March last.
    EXPECT_EQ(doc.Days()[0]->GetMonth(), 4);
    EXPECT_EQ(doc.Days()[365]->GetYear(), 2004);
    EXPECT_EQ(doc.Days()[365]->GetMonth(), 3);
    EXPECT_EQ(doc.Days()[365]->GetDay(), 31);
    EXPECT_NE(Day(doc, 2004, 2, 29), nullptr);
    EXPECT_EQ(Day(doc, 2001, 2, 29), nullptr);
    EXPECT_EQ(doc.MonthDays()[10], 28);
    // A new day is blank.
    const CDayRecord* d = doc.Days()[100];
    EXPECT_EQ(d->GetCategory(), -1);
    EXPECT_TRUE(d->Start().empty() && d->End().empty() && d->Place().empty());
}

TEST_F(Calendar, FirstYearRecordAndDayBytes) {
    doc.AppendFiscalYear(2000);
    std::string out;
    CArchive ar(out);
    VespinDocAccess::Years(doc)[0]->Serialize(ar);
    EXPECT_EQ(Hex(out), "D0 07 00 00 00 00 00 00 6C 01 00 00 00 00 00 00");
    out.clear();
    VespinDocAccess::Days(doc)[0]->Serialize(ar);
    EXPECT_EQ(Hex(out),
              "D0 07 00 00 04 00 00 00 01 00 00 00 02 93 79 00 00 FF FF FF FF 00 02 00 00 00");
}

TEST_F(Calendar, Holidays1998SundayCarry) {
    doc.AppendFiscalYear(1998);
    EXPECT_EQ(Type(doc, 1998, 5, 3), 3);  // Sunday and holiday
    EXPECT_EQ(Type(doc, 1998, 5, 4), 3);  // carried, table not consulted
    EXPECT_EQ(Type(doc, 1998, 5, 5), 3);  // from the table
    EXPECT_EQ(Type(doc, 1998, 5, 6), 1);  // a carried day never carries on
    EXPECT_EQ(Type(doc, 1998, 5, 9), 2);
    // Before 2000 nothing moves: 15 January 1999 is a Friday holiday.
    EXPECT_EQ(Type(doc, 1999, 1, 15), 3);
    EXPECT_EQ(Type(doc, 1999, 1, 11), 1);
}

TEST_F(Calendar, Holidays1999AndTheFirstMovedHoliday) {
    doc.AppendFiscalYear(1999);
    EXPECT_EQ(Type(doc, 1999, 4, 29), 3);  // Thursday
    EXPECT_EQ(Type(doc, 1999, 5, 3), 3);
    EXPECT_EQ(Type(doc, 1999, 5, 4), 3);
    EXPECT_EQ(Type(doc, 1999, 5, 5), 3);
    // 15 January 2000 is a Saturday: the holiday moves to Monday the 10th.
    EXPECT_EQ(Type(doc, 2000, 1, 10), 3);
    EXPECT_EQ(Type(doc, 2000, 1, 15), 2);
    EXPECT_EQ(Day(doc, 2000, 1, 15)->Weekday(), S("土"));
    // 21 March 2000 is a Tuesday: Monday the 20th becomes the holiday, the 21st a weekday.
    EXPECT_EQ(Type(doc, 2000, 3, 20), 3);
    EXPECT_EQ(Type(doc, 2000, 3, 21), 1);
}

TEST_F(Calendar, MovedHolidaysFrom2000) {
    doc.AppendFiscalYear(2000);
    // 10 October 2000 is a Tuesday.
    EXPECT_EQ(Type(doc, 2000, 10, 9), 3);
    EXPECT_EQ(Type(doc, 2000, 10, 10), 1);
    // 15 January 2001 is a Monday: stays.
    EXPECT_EQ(Type(doc, 2001, 1, 15), 3);
    EXPECT_EQ(Type(doc, 2001, 1, 16), 1);
    // 21 March 2001 is a Wednesday.
    EXPECT_EQ(Type(doc, 2001, 3, 19), 3);
    EXPECT_EQ(Type(doc, 2001, 3, 21), 1);
}

TEST_F(Calendar, FiscalYear2003) {
    doc.AppendFiscalYear(2003);
    // 23 November 2003 is a Sunday: Monday the 24th is the substitute holiday.
    EXPECT_EQ(Type(doc, 2003, 11, 23), 3);
    EXPECT_EQ(Type(doc, 2003, 11, 24), 3);
    // 15 September 2003 is a Monday.
    EXPECT_EQ(Type(doc, 2003, 9, 15), 3);
    // 21 March 2004 is a Sunday: no move, the carry makes Monday the 22nd a holiday.
    EXPECT_EQ(Type(doc, 2004, 3, 21), 3);
    EXPECT_EQ(Type(doc, 2004, 3, 22), 3);
    EXPECT_EQ(Type(doc, 2004, 2, 29), 3);  // Sunday
    EXPECT_EQ(Type(doc, 2003, 5, 3), 3);   // a holiday on a Saturday stays a holiday
    EXPECT_EQ(Type(doc, 2003, 7, 21), 3);  // carried from Sunday the 20th
}

TEST_F(Calendar, MonthRangesFollowRegistrationOrder) {
    doc.AppendFiscalYear(2001);
    doc.AppendFiscalYear(1999);
    EXPECT_EQ(doc.Years()[0]->GetYear(), 2001);
    auto [first, last] = doc.MonthRange(1999, 4);
    EXPECT_EQ(first, 365);
    EXPECT_EQ(last, 365 + 29);
    // February 2000 has 29 days in fiscal year 1999.
    std::tie(first, last) = doc.MonthRange(1999, 2);
    EXPECT_EQ(last - first + 1, 29);
    EXPECT_EQ(doc.Days()[last]->GetDay(), 29);
    std::tie(first, last) = doc.MonthRange(1999, 3);
    EXPECT_EQ(last, 365 + 365);
    EXPECT_EQ(doc.MonthDays()[10], 28);
    std::tie(first, last) = doc.MonthRange(2001, 5);
    EXPECT_EQ(first, 30);
    EXPECT_EQ(last, 60);
    // A year that is not registered gives no range.
    std::tie(first, last) = doc.MonthRange(2010, 5);
    EXPECT_EQ(first, -1);
}

TEST_F(Calendar, RemovingTheFirstOfThreeYearsShiftsTheOthers) {
    doc.AppendFiscalYear(2003);  // 366
    doc.AppendFiscalYear(2004);  // 365
    doc.AppendFiscalYear(2007);  // 366
    doc.RemoveFiscalYear(2003);
    ASSERT_EQ(doc.Years().GetSize(), 2);
    EXPECT_EQ(doc.Years()[0]->GetYear(), 2004);
    EXPECT_EQ(doc.Years()[0]->GetFirstIndex(), 0);
    EXPECT_EQ(doc.Years()[0]->GetLastIndex(), 364);
    EXPECT_EQ(doc.Years()[1]->GetFirstIndex(), 365);
    EXPECT_EQ(doc.Years()[1]->GetLastIndex(), 365 + 365);
    EXPECT_EQ(doc.Days().GetSize(), 365 + 366);
    EXPECT_EQ(doc.Days()[0]->GetYear(), 2004);
    EXPECT_EQ(doc.Days()[365]->GetYear(), 2007);
    EXPECT_EQ(doc.Days()[365]->GetMonth(), 4);
    // Removing the middle one keeps the first block.
    doc.RemoveFiscalYear(2007);
    EXPECT_EQ(doc.Days().GetSize(), 365);
    EXPECT_EQ(doc.Years()[0]->GetLastIndex(), 364);
}
