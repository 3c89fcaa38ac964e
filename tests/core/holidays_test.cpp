#include "model/holidays.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <sstream>

#include "framework/archive.h"
#include "model/vespindocaccess.h"
#include "testutil.h"

namespace {

// The holidays of 1998 to 2027 as published by the Cabinet Office (内閣府, 「国民の祝日」について,
// https://www8.cao.go.jp/chosei/shukujitsu/gaiyou.html, the list syukujitsu.csv: every
// 国民の祝日 and 休日 of each year, 振替休日 and 国民の休日 included), dates only.
// 2028 to 2030 are written by hand from the law as it stands, with the equinox days that the
// National Astronomical Observatory gives for them (春分 3/20 each year; 秋分 9/22, 9/23, 9/23).
const std::map<int, const char*> kPublished = {
    {1998, "1/1 1/15 2/11 3/21 4/29 5/3 5/4 5/5 7/20 9/15 9/23 10/10 11/3 11/23 12/23"},
    {1999, "1/1 1/15 2/11 3/21 3/22 4/29 5/3 5/4 5/5 7/20 9/15 9/23 10/10 10/11 11/3 11/23 12/23"},
    {2000, "1/1 1/10 2/11 3/20 4/29 5/3 5/4 5/5 7/20 9/15 9/23 10/9 11/3 11/23 12/23"},
    {2001,
     "1/1 1/8 2/11 2/12 3/20 4/29 4/30 5/3 5/4 5/5 7/20 9/15 9/23 9/24 10/8 11/3 11/23 "
     "12/23 12/24"},
    {2002,
     "1/1 1/14 2/11 3/21 4/29 5/3 5/4 5/5 5/6 7/20 9/15 9/16 9/23 10/14 11/3 11/4 11/23 "
     "12/23"},
    {2003, "1/1 1/13 2/11 3/21 4/29 5/3 5/5 7/21 9/15 9/23 10/13 11/3 11/23 11/24 12/23"},
    {2004, "1/1 1/12 2/11 3/20 4/29 5/3 5/4 5/5 7/19 9/20 9/23 10/11 11/3 11/23 12/23"},
    {2005, "1/1 1/10 2/11 3/20 3/21 4/29 5/3 5/4 5/5 7/18 9/19 9/23 10/10 11/3 11/23 12/23"},
    {2006, "1/1 1/2 1/9 2/11 3/21 4/29 5/3 5/4 5/5 7/17 9/18 9/23 10/9 11/3 11/23 12/23"},
    {2007,
     "1/1 1/8 2/11 2/12 3/21 4/29 4/30 5/3 5/4 5/5 7/16 9/17 9/23 9/24 10/8 11/3 11/23 "
     "12/23 12/24"},
    {2008, "1/1 1/14 2/11 3/20 4/29 5/3 5/4 5/5 5/6 7/21 9/15 9/23 10/13 11/3 11/23 11/24 12/23"},
    {2009, "1/1 1/12 2/11 3/20 4/29 5/3 5/4 5/5 5/6 7/20 9/21 9/22 9/23 10/12 11/3 11/23 12/23"},
    {2010, "1/1 1/11 2/11 3/21 3/22 4/29 5/3 5/4 5/5 7/19 9/20 9/23 10/11 11/3 11/23 12/23"},
    {2011, "1/1 1/10 2/11 3/21 4/29 5/3 5/4 5/5 7/18 9/19 9/23 10/10 11/3 11/23 12/23"},
    {2012,
     "1/1 1/2 1/9 2/11 3/20 4/29 4/30 5/3 5/4 5/5 7/16 9/17 9/22 10/8 11/3 11/23 12/23 "
     "12/24"},
    {2013, "1/1 1/14 2/11 3/20 4/29 5/3 5/4 5/5 5/6 7/15 9/16 9/23 10/14 11/3 11/4 11/23 12/23"},
    {2014, "1/1 1/13 2/11 3/21 4/29 5/3 5/4 5/5 5/6 7/21 9/15 9/23 10/13 11/3 11/23 11/24 12/23"},
    {2015, "1/1 1/12 2/11 3/21 4/29 5/3 5/4 5/5 5/6 7/20 9/21 9/22 9/23 10/12 11/3 11/23 12/23"},
    {2016, "1/1 1/11 2/11 3/20 3/21 4/29 5/3 5/4 5/5 7/18 8/11 9/19 9/22 10/10 11/3 11/23 12/23"},
    {2017, "1/1 1/2 1/9 2/11 3/20 4/29 5/3 5/4 5/5 7/17 8/11 9/18 9/23 10/9 11/3 11/23 12/23"},
    {2018,
     "1/1 1/8 2/11 2/12 3/21 4/29 4/30 5/3 5/4 5/5 7/16 8/11 9/17 9/23 9/24 10/8 11/3 "
     "11/23 12/23 12/24"},
    {2019,
     "1/1 1/14 2/11 3/21 4/29 4/30 5/1 5/2 5/3 5/4 5/5 5/6 7/15 8/11 8/12 9/16 9/23 10/14 "
     "10/22 11/3 11/4 11/23"},
    {2020, "1/1 1/13 2/11 2/23 2/24 3/20 4/29 5/3 5/4 5/5 5/6 7/23 7/24 8/10 9/21 9/22 11/3 11/23"},
    {2021, "1/1 1/11 2/11 2/23 3/20 4/29 5/3 5/4 5/5 7/22 7/23 8/8 8/9 9/20 9/23 11/3 11/23"},
    {2022, "1/1 1/10 2/11 2/23 3/21 4/29 5/3 5/4 5/5 7/18 8/11 9/19 9/23 10/10 11/3 11/23"},
    {2023, "1/1 1/2 1/9 2/11 2/23 3/21 4/29 5/3 5/4 5/5 7/17 8/11 9/18 9/23 10/9 11/3 11/23"},
    {2024,
     "1/1 1/8 2/11 2/12 2/23 3/20 4/29 5/3 5/4 5/5 5/6 7/15 8/11 8/12 9/16 9/22 9/23 10/14 "
     "11/3 11/4 11/23"},
    {2025,
     "1/1 1/13 2/11 2/23 2/24 3/20 4/29 5/3 5/4 5/5 5/6 7/21 8/11 9/15 9/23 10/13 11/3 "
     "11/23 11/24"},
    {2026,
     "1/1 1/12 2/11 2/23 3/20 4/29 5/3 5/4 5/5 5/6 7/20 8/11 9/21 9/22 9/23 10/12 11/3 11/23"},
    {2027, "1/1 1/11 2/11 2/23 3/21 3/22 4/29 5/3 5/4 5/5 7/19 8/11 9/20 9/23 10/11 11/3 11/23"},
    {2028, "1/1 1/10 2/11 2/23 3/20 4/29 5/3 5/4 5/5 7/17 8/11 9/18 9/22 10/9 11/3 11/23"},
    {2029,
     "1/1 1/8 2/11 2/12 2/23 3/20 4/29 4/30 5/3 5/4 5/5 7/16 8/11 9/17 9/23 9/24 10/8 11/3 "
     "11/23"},
    {2030,
     "1/1 1/14 2/11 2/23 3/20 4/29 5/3 5/4 5/5 5/6 7/15 8/11 8/12 9/16 9/23 10/14 11/3 11/4 "
     "11/23"},
};

std::set<std::string> Published(int y) {
    std::set<std::string> out;
    std::istringstream in(kPublished.at(y));
    for (std::string md; in >> md;) out.insert(md);
    return out;
}

const std::string kFourLines =
    "出勤,遅刻,早退,欠勤,半休,休出,有休,振休,特休,特欠\r\n10,11,12,20,13,14,21,22,23,24\r\n"
    "1,1,1,0,1,1,0,0,0,0\r\n直行不帰,勤務地１,勤務地２,勤務地３\r\n";

// A document over a settings file of the given text (UTF-8).
struct Book {
    TempDir dir;
    FakeUi ui;
    std::unique_ptr<CVespinDoc> doc;
    explicit Book(const std::string& ini) {
        WriteFile(dir.file("vespin.ini"), S(ini));
        doc = std::make_unique<CVespinDoc>(&ui, dir.file("vespin"));
        doc->OnNewDocument();
    }
};

std::string Bytes(CVespinDoc& doc) {
    std::string bytes;
    CArchive ar(bytes);
    doc.Serialize(ar);
    return bytes;
}

uint64_t Fnv1a(const std::string& bytes) {
    uint64_t h = 1469598103934665603ULL;
    for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ULL;
    return h;
}

}  // namespace

TEST(Holidays, EveryYearMatchesThePublishedList) {
    for (const auto& [y, list] : kPublished) {
        std::set<std::string> got;
        for (const holidays::Holiday& h : holidays::YearHolidays(y).List())
            got.insert(std::to_string(h.month) + "/" + std::to_string(h.day));
        EXPECT_EQ(got, Published(y)) << y;
    }
}

TEST(Holidays, NamesInTheYearsTheLawChanged) {
    const char* const cases =
        "2000/1/10 成人の日 2000/10/9 体育の日 2003/7/21 海の日 2003/9/15 敬老の日 "
        "2006/5/4 国民の休日 2007/4/30 振替休日 2007/5/4 みどりの日 2008/5/6 振替休日 "
        "2016/8/11 山の日 2018/12/23 天皇誕生日 2019/4/30 国民の休日 2019/5/1 即位の日 "
        "2019/10/22 即位礼正殿の儀の行われる日 2020/2/24 振替休日 2020/7/24 スポーツの日 "
        "2021/8/9 振替休日 2026/9/22 国民の休日";
    std::istringstream in(cases);
    for (std::string date, name; in >> date >> name;) {
        int y = 0, m = 0, d = 0;
        ASSERT_EQ(std::sscanf(date.c_str(), "%d/%d/%d", &y, &m, &d), 3);
        const std::string* got = holidays::YearHolidays(y).Name(m, d);
        EXPECT_EQ(got ? U(*got) : "", name) << date;
    }
    // Days that were holidays under an older reading of the law.
    EXPECT_EQ(holidays::YearHolidays(2019).Name(12, 23), nullptr);
    EXPECT_EQ(holidays::YearHolidays(2020).Name(10, 12), nullptr);
    EXPECT_EQ(holidays::YearHolidays(2021).Name(10, 11), nullptr);
    EXPECT_EQ(holidays::YearHolidays(2003).Name(7, 20), nullptr);
}

TEST(Holidays, LawTypesEveryRegisteredDay) {
    Book b(kFourLines + "祝日法\r\n");
    for (int y = CVespinDoc::kFirstYear; y <= CVespinDoc::kLastYear; ++y) b.doc->RegisterYear(y);
    std::map<int, std::set<std::string>> published;
    for (const auto& entry : kPublished) published[entry.first] = Published(entry.first);
    int checked = 0;
    for (const auto& r : b.doc->Days()) {
        const int y = r->GetYear(), w = holidays::DayOfWeek(y, r->GetMonth(), r->GetDay());
        const std::string md = std::to_string(r->GetMonth()) + "/" + std::to_string(r->GetDay());
        int want = w == 0 ? 3 : (w == 6 ? 2 : 1);
        if (published.count(y) == 0) {
            EXPECT_TRUE(w != 0 || r->GetDayType() == 3) << y << "/" << md;
            continue;
        }
        if (published[y].count(md)) want = 3;
        EXPECT_EQ(r->GetDayType(), want) << y << "/" << md;
        ++checked;
    }
    EXPECT_EQ(checked, 11963);  // 1 April 1998 to 31 December 2030
}

// The fixed table stays the rule without a fifth line, or with one that asks for nothing:
// every registrable year, each registered alone, gives the bytes the program has always written
// (their FNV-1a hash, taken before the law's calendar was added).
TEST(Holidays, FixedTableBytesAreUnchanged) {
    DocFixture none;  // no settings file at all
    for (const std::string& ini : {kFourLines, kFourLines + "暦\r\n", kFourLines + " 祝日法\r\n"}) {
        Book b(ini);
        EXPECT_FALSE(b.doc->Settings().m_calendar.law);
        for (CVespinDoc* doc : {b.doc.get(), &none.doc}) {
            std::string all;
            for (int y = CVespinDoc::kFirstYear; y <= CVespinDoc::kLastYear; ++y) {
                doc->OnNewDocument();
                doc->AppendFiscalYear(y);
                all += Bytes(*doc);
            }
            EXPECT_EQ(Fnv1a(all), 0x918edf6df09c479eULL) << ini;
        }
    }
}

TEST(Holidays, CompanyHolidaysAndTheirMessage) {
    Book b(kFourLines + "祝日法\r\n12/29, 12/30,,2026/8/14,13/1,2/30,2027/2/29,１/２,2026/8\r\n");
    ASSERT_EQ(b.ui.messages.size(), 1u);
    EXPECT_EQ(b.ui.messages[0],
              "【 vespin.ini 】の６行目(会社休日)の次の項目は日付ではありませんので、\n"
              "会社休日としません。\n"
              "5番目の項目「13/1」\n6番目の項目「2/30」\n7番目の項目「2027/2/29」\n"
              "8番目の項目「１/２」\n9番目の項目「2026/8」");
    b.doc->RegisterYear(2026);
    auto type = [&](int y, int m, int d) {
        return b.doc->Days()[FiscalDayNumber(2026, y, m, d)]->GetDayType();
    };
    EXPECT_EQ(type(2026, 12, 29), 3);
    EXPECT_EQ(type(2026, 12, 30), 3);
    EXPECT_EQ(type(2026, 8, 14), 3);
    EXPECT_EQ(type(2026, 8, 13), 1);
    HolidayNames names(b.doc->Settings().m_calendar);
    EXPECT_EQ(U(names.Name(2026, 12, 29)), "会社休日");
    EXPECT_EQ(U(names.Name(2026, 8, 11)), "山の日");
    EXPECT_EQ(names.Name(2027, 8, 14), "");

    // A company holiday on a Sunday moves nothing; under the fixed table it applies as well.
    Book sunday(kFourLines + "\r\n2026/5/10,2027/1/15\r\n");
    sunday.doc->AppendFiscalYear(2026);
    EXPECT_EQ(sunday.doc->Days()[FiscalDayNumber(2026, 2026, 5, 11)]->GetDayType(), 1);
    EXPECT_EQ(sunday.doc->Days()[FiscalDayNumber(2026, 2027, 1, 15)]->GetDayType(), 3);
    EXPECT_EQ(sunday.doc->Days()[FiscalDayNumber(2026, 2027, 1, 11)]->GetDayType(), 3);
    EXPECT_EQ(HolidayNames(sunday.doc->Settings().m_calendar).Name(2027, 1, 15), "");
}

TEST(Holidays, RetypingChangesOnlyTheDayTypes) {
    Book b(kFourLines);
    b.doc->AppendFiscalYear(2025);
    b.doc->AppendFiscalYear(2026);
    for (int i = 0; i < b.doc->Days().GetSize(); i += 3)
        b.doc->StoreDayEntry(i, {i % 10, "08:30", "17:45", S("勤務地１")});
    const std::string before = Bytes(*b.doc);
    b.doc->SetModifiedFlag(false);

    EXPECT_FALSE(b.doc->RetypeFiscalYear(2030));
    EXPECT_FALSE(b.doc->IsModified());
    VespinDocAccess::Settings(*b.doc).m_calendar.law = true;
    ASSERT_TRUE(b.doc->RetypeFiscalYear(2026));
    EXPECT_TRUE(b.doc->IsModified());

    // The nine days the fixed table got wrong in fiscal year 2026, and nothing else.
    CVespinDoc& doc = *b.doc;
    Book fresh(kFourLines);
    fresh.doc->AppendFiscalYear(2025);
    fresh.doc->AppendFiscalYear(2026);
    std::set<std::string> changed;
    for (int i = 0; i < doc.Days().GetSize(); ++i) {
        const CDayRecord* now = doc.Days()[i];
        if (now->GetDayType() != fresh.doc->Days()[i]->GetDayType())
            changed.insert(std::to_string(now->GetMonth()) + "/" + std::to_string(now->GetDay()) +
                           "=" + std::to_string(now->GetDayType()));
    }
    EXPECT_EQ(changed, (std::set<std::string>{"5/6=3", "8/11=3", "9/21=3", "9/22=3", "10/12=3",
                                              "2/23=3", "9/15=1", "10/5=1", "12/23=1"}));
    // Every entry kept: with the old types put back the book is byte for byte as before.
    for (int i = 0; i < doc.Days().GetSize(); ++i)
        VespinDocAccess::Days(doc)[i]->SetDayType(
            VespinDocAccess::Days(*fresh.doc)[i]->GetDayType());
    EXPECT_EQ(Bytes(doc), before);
}

TEST(Holidays, TheShippedSettingsChooseTheLawAndKeepTheirLists) {
    FakeUi ui;
    CVespinDoc shipped(&ui, "/nonexistent/vespin", VESPIN_SHIPPED_INI);
    DocFixture defaults;
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(shipped.Settings().m_calendar.law);
    EXPECT_TRUE(shipped.Settings().m_calendar.company.empty());
    EXPECT_EQ(shipped.Settings().m_astrCategories, defaults.doc.Settings().m_astrCategories);
    EXPECT_EQ(shipped.Settings().m_astrCategoryCodes, defaults.doc.Settings().m_astrCategoryCodes);
    EXPECT_EQ(shipped.Settings().m_astrTimeFlags, defaults.doc.Settings().m_astrTimeFlags);
    EXPECT_EQ(shipped.Settings().m_astrPlaces, defaults.doc.Settings().m_astrPlaces);
}
