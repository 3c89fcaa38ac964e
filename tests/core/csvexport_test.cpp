#include "output/csvexport.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>

#include "model/vespindocaccess.h"
#include "output/exportrules.h"
#include "testutil.h"

namespace {

class CsvExport : public ::testing::Test {
protected:
    DocFixture f;
    CVespinDoc& doc = f.doc;

    void SetUp() override {
        doc.AppendFiscalYear(2003);
        doc.SetEmployee(S("1234"), S("山田"));
    }
    int Index(int fy, int month, int day) { return doc.MonthRange(fy, month).first + day - 1; }
    void Fill(int fy, int month, int day, int category, const std::string& start = "",
              const std::string& end = "", const std::string& place = "") {
        doc.StoreDayEntry(Index(fy, month, day), {category, start, end, S(place)});
    }
    // The month's file as the command writes it.
    CsvWriteResult Export(int fy, int month, const std::string& path,
                          const WriteFault& fault = nullptr) {
        const auto [first, last] = doc.MonthRange(fy, month);
        return WriteCsv(doc, first, last, month <= 3 ? fy + 1 : fy, month, path, fault);
    }
};

}  // namespace

TEST_F(CsvExport, ExampleLineByteForByte) {
    Fill(2003, 1, 5, 0, "08:30", "17:45", "勤務地１・勤務地２");
    const std::string path = f.dir.file("1234_2004_1.csv");
    const CsvWriteResult r = Export(2003, 1, path);
    ASSERT_TRUE(r);
    EXPECT_EQ(r.count, 1);
    const std::string expected =
        S("\"1234\",\"2004\",\"01\",\"05\",\"10\",\"08:30\",\"17:45\",\"勤務地１・勤務地２\"") +
        "\r\n";
    EXPECT_EQ(Hex(ReadFile(path)), Hex(expected));
    // Shift-JIS bytes, no byte-order mark: 勤 is 8B CE.
    EXPECT_EQ(ReadFile(path).substr(0, 1), "\"");
    EXPECT_NE(Hex(ReadFile(path)).find("8B CE 96 B1 92 6E 82 50"), std::string::npos);
}

TEST_F(CsvExport, EmptyMonthGivesAnEmptyFileAndEmptiesAnOldOne) {
    const std::string path = f.dir.file("a.csv");
    WriteFile(path, "old contents");
    const CsvWriteResult r = Export(2003, 6, path);
    ASSERT_TRUE(r);
    EXPECT_EQ(r.count, 0);
    EXPECT_EQ(ReadFile(path), "");
    EXPECT_EQ(U(ExportCountMessage(r.count)), "0件のデータを出力しました。");
}

TEST_F(CsvExport, FilledDaysOnlyInDateOrder) {
    Fill(2003, 5, 10, 1, "09:10", "18:00", "本社");
    Fill(2003, 5, 3, 6);                     // 有休: no times, no places
    Fill(2003, 4, 30, 0, "08:00", "17:00");  // the neighbouring month stays out
    Fill(2003, 6, 1, 0, "08:00", "17:00");
    const std::string path = f.dir.file("b.csv");
    const CsvWriteResult r = Export(2003, 5, path);
    ASSERT_TRUE(r);
    EXPECT_EQ(r.count, 2);
    EXPECT_EQ(U(ReadFile(path)),
              "\"1234\",\"2003\",\"05\",\"03\",\"21\",\"\",\"\",\"\"\r\n"
              "\"1234\",\"2003\",\"05\",\"10\",\"11\",\"09:10\",\"18:00\",\"本社\"\r\n");
}

TEST_F(CsvExport, JanuaryToMarchUseTheCalendarYear) {
    doc.AppendFiscalYear(2027);  // February 2028 has 29 days
    Fill(2027, 2, 29, 0, "08:00", "17:00");
    Fill(2027, 3, 1, 0, "08:00", "17:00");
    const std::string path = f.dir.file("c.csv");
    const CsvWriteResult r = Export(2027, 2, path);
    ASSERT_TRUE(r);
    EXPECT_EQ(r.count, 1);
    EXPECT_EQ(ReadFile(path).substr(0, 29), "\"1234\",\"2028\",\"02\",\"29\",\"10\",");
    EXPECT_EQ(DefaultExportFileName(S("1234"), 2028, 2), "1234_2028_2.csv");
}

TEST_F(CsvExport, ValuesAreWrittenVerbatim) {
    // A comma or a quote inside a location is not escaped; the head office gets what was kept.
    Fill(2003, 7, 1, 0, "08:00", "17:00", "A,B\"C");
    // Times go out as HH:MM when they are five bytes, unchanged otherwise.
    doc.StoreDayEntry(Index(2003, 7, 2), {0, "08.30", "8:30", ""});
    const CsvText t = BuildCsv(doc, Index(2003, 7, 1), Index(2003, 7, 31), 2003, 7);
    EXPECT_EQ(t.count, 2);
    EXPECT_EQ(t.bytes,
              "\"1234\",\"2003\",\"07\",\"01\",\"10\",\"08:00\",\"17:00\",\"A,B\"C\"\r\n"
              "\"1234\",\"2003\",\"07\",\"02\",\"10\",\"08:30\",\"8:30\",\"\"\r\n");
    EXPECT_EQ(CsvTime(""), "");
    EXPECT_EQ(CsvTime("12345"), "12:45");
    EXPECT_EQ(CsvTime("123456"), "123456");
}

TEST_F(CsvExport, CategoryIndexWithoutACodeGivesAnEmptyCode) {
    // A book written under settings with more categories, or a damaged one.
    doc.StoreDayEntry(Index(2003, 8, 1), {12, "", "", ""});
    doc.StoreDayEntry(Index(2003, 8, 2), {-7, "", "", ""});
    doc.StoreDayEntry(Index(2003, 8, 3), {9, "", "", ""});
    const CsvText t = BuildCsv(doc, Index(2003, 8, 1), Index(2003, 8, 31), 2003, 8);
    EXPECT_EQ(t.count, 3);
    EXPECT_EQ(t.bytes,
              "\"1234\",\"2003\",\"08\",\"01\",\"\",\"\",\"\",\"\"\r\n"
              "\"1234\",\"2003\",\"08\",\"02\",\"\",\"\",\"\",\"\"\r\n"
              "\"1234\",\"2003\",\"08\",\"03\",\"24\",\"\",\"\",\"\"\r\n");
}

TEST_F(CsvExport, RangeOutsideTheDaysIsIgnored) {
    EXPECT_EQ(BuildCsv(doc, -1, -1, 2003, 4).count, 0);
    Fill(2003, 3, 31, 0);
    const int last = doc.Days().GetSize() - 1;
    EXPECT_EQ(BuildCsv(doc, last, last + 40, 2004, 3).count, 1);
}

// ----- File errors: reported with their cause, never as a count -----

TEST_F(CsvExport, MissingFolderIsABadPathAndCreatesNothing) {
    Fill(2003, 5, 3, 0);
    const CsvWriteResult r = Export(2003, 5, f.dir.file("missing/a.csv"));
    EXPECT_FALSE(r);
    EXPECT_EQ(r.cause, FileError::badPath);
    EXPECT_EQ(r.count, 0);
    EXPECT_EQ(FileErrorText(r.cause, f.dir.file("missing/a.csv")).Utf8(),
              f.dir.file("missing/a.csv") + " には無効なﾊﾟｽが含まれています。");
    EXPECT_EQ(f.dir.entries(), std::vector<std::string>{});
}

TEST_F(CsvExport, ReadOnlyFileOrFolderIsAccessDenied) {
    Fill(2003, 5, 3, 0);
    const std::string path = f.dir.file("ro.csv");
    WriteFile(path, "keep");
    ::chmod(path.c_str(), 0444);
    CsvWriteResult r = Export(2003, 5, path);
    EXPECT_EQ(r.cause, FileError::accessDenied);
    EXPECT_EQ(ReadFile(path), "keep");

    r = Export(2003, 5, f.dir.path());  // a folder where the file should be
    EXPECT_EQ(r.cause, FileError::accessDenied);
}

TEST_F(CsvExport, WriteFailureIsReportedAndKeepsThePreviousFile) {
    for (int d = 1; d <= 31; ++d) Fill(2003, 5, d, 0, "08:30", "17:45", "勤務地１");
    const std::string path = f.dir.file("full.csv");
    WriteFile(path, "previous");
    const CsvWriteResult r = Export(2003, 5, path, [](size_t offset, size_t& length) {
        if (offset >= 100) return ENOSPC;
        if (offset + length > 100) length = 100 - offset;
        return 0;
    });
    EXPECT_EQ(r.cause, FileError::diskFull);
    EXPECT_EQ(r.count, 0);
    EXPECT_EQ(ReadFile(path), "previous");
    EXPECT_EQ(f.dir.entries(), std::vector<std::string>{"full.csv"});
}

// ----- The dialog's rules -----

TEST(ExportRules, DefaultNameAndTitle) {
    EXPECT_EQ(DefaultExportFileName(S("1234"), 2004, 1), "1234_2004_1.csv");
    EXPECT_EQ(DefaultExportFileName(S("社員"), 2026, 12), "社員_2026_12.csv");
    EXPECT_EQ(U(ExportTitle(2004, 1)), "2004年度 1月 のデータを出力します。");
}

TEST(ExportRules, ChecksInOrder) {
    const std::string noName =
        "ファイル名を指定して下さい。\r\n\r\nファイル名は、  社員番号_年度_月.csv です。";
    ExportCheck c = CheckExportInput("", "");
    EXPECT_EQ(c.focus, ExportField::fileName);
    EXPECT_EQ(U(c.message), noName);
    c = CheckExportInput("a.csv", "");
    EXPECT_EQ(c.focus, ExportField::folder);
    EXPECT_EQ(U(c.message), "ディレクトリーを指定して下さい。");
    c = CheckExportInput("a.txt", "/tmp");
    EXPECT_EQ(c.focus, ExportField::fileName);
    EXPECT_EQ(U(c.message), "ファイルの拡張子は、.csv を指定して下さい。");
}

TEST(ExportRules, ExtensionInAnyCaseFromTheLastComponent) {
    for (const char* ok : {"data.csv", "data.CSV", "data.Csv", ".csv", "a.b.csv"})
        EXPECT_EQ(CheckExportInput(ok, "/tmp").focus, ExportField::none) << ok;
    for (const char* bad : {"data.txt", "data", "data.csv.bak", "data.csv/", "csv"})
        EXPECT_EQ(CheckExportInput(bad, "/tmp").focus, ExportField::fileName) << bad;
    // A dot in the folder is no extension of the file.
    EXPECT_EQ(CheckExportInput("data", "/tmp/x.csv").focus, ExportField::fileName);
    EXPECT_EQ(LowerExtension("/a/B.CsV"), ".csv");
}

TEST(ExportRules, PathJoinsOnce) {
    EXPECT_EQ(ExportPath("/home/u", "a.csv"), "/home/u/a.csv");
    EXPECT_EQ(ExportPath("/", "a.csv"), "/a.csv");
}

TEST(ExportRules, ExistingFileProbe) {
    TempDir dir;
    EXPECT_FALSE(ExportFileExists(dir.file("a.csv")));
    WriteFile(dir.file("a.csv"), "x");
    EXPECT_TRUE(ExportFileExists(dir.file("a.csv")));
}

TEST(ExportRules, CommandNeedsAMonthItem) {
    DocFixture f;
    f.doc.AppendFiscalYear(2026);
    EXPECT_FALSE(ExportCommandEnabled(f.doc));  // the top item after New
    f.doc.SetSelection(Selection::Year(2026));
    EXPECT_EQ(ExportCommandEnabled(f.doc), false);
    f.doc.SetSelection(Selection::Month(2026, 4));
    EXPECT_EQ(ExportCommandEnabled(f.doc), true);
}

TEST(ExportRules, SelectedMonth) {
    DocFixture f;
    f.doc.AppendFiscalYear(2026);
    f.doc.SetSelection(Selection::Month(2026, 2));
    const auto m = SelectedExportMonth(f.doc);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->calendarYear, 2027);
    f.doc.SetSelection(Selection::Year(2026));
    EXPECT_FALSE(SelectedExportMonth(f.doc));
    f.doc.SetSelection(Selection::Month(2030, 5));
    EXPECT_FALSE(SelectedExportMonth(f.doc));
}
