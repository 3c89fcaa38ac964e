// The core's operations on the largest book, each beside the floor of touching its bytes.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <numeric>

#include "bench/bigbook.h"
#include "framework/archive.h"
#include "framework/savefile.h"
#include "model/civildate.h"
#include "model/labourlaw.h"
#include "model/leavebook.h"
#include "model/quietui.h"
#include "model/texts.h"
#include "model/worktime.h"
#include "output/attendancesheet.h"
#include "output/csvexport.h"
#include "output/sheetcanvas.h"

namespace {

CQuietVespinUi g_ui;

CVespinDoc& LargestBook() {
    static CVespinDoc* doc = [] {
        auto* d = new CVespinDoc(&g_ui, "/nonexistent/vespin", "/nonexistent/vespin.ini");
        FillLargestBook(*d);
        return d;
    }();
    return *doc;
}

const std::string& LargestBookBytes() {
    static const std::string bytes = [] {
        std::string out;
        CArchive ar(out);
        LargestBook().Serialize(ar);
        return out;
    }();
    return bytes;
}

void BM_Floor_SumBytes(benchmark::State& state) {
    const std::string& bytes = LargestBookBytes();
    for (auto _ : state) {
        uint64_t sum = 0;
        for (unsigned char c : bytes) sum += c;
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_Floor_SumBytes);

// Opening the book into an empty document, as at start-up.
void BM_Load(benchmark::State& state) {
    const std::string& bytes = LargestBookBytes();
    CVespinDoc doc(&g_ui, "/nonexistent/vespin", "/nonexistent/vespin.ini");
    for (auto _ : state) {
        state.PauseTiming();
        VespinDocAccess::Years(doc).RemoveAllRecords();
        VespinDocAccess::Days(doc).RemoveAllRecords();
        state.ResumeTiming();
        CArchive ar{std::string_view(bytes)};
        doc.Serialize(ar);
        benchmark::DoNotOptimize(doc.Days().GetSize());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_Load);

// Opening it over the same book: the old records are destroyed too.
void BM_Reload(benchmark::State& state) {
    const std::string& bytes = LargestBookBytes();
    CVespinDoc doc(&g_ui, "/nonexistent/vespin", "/nonexistent/vespin.ini");
    for (auto _ : state) {
        CArchive ar{std::string_view(bytes)};
        doc.Serialize(ar);
        benchmark::DoNotOptimize(doc.Days().GetSize());
    }
}
BENCHMARK(BM_Reload);

void BM_LoadFromFile(benchmark::State& state) {
    const std::string path = "/dev/shm/vespin-bench.vpx";
    SaveFileAtomic(path, LargestBookBytes(), nullptr, false);
    CVespinDoc doc(&g_ui, "/nonexistent/vespin", "/nonexistent/vespin.ini");
    for (auto _ : state) benchmark::DoNotOptimize(doc.OnOpenDocument(path));
    std::remove(path.c_str());
}
BENCHMARK(BM_LoadFromFile);

void BM_Save(benchmark::State& state) {
    CVespinDoc& doc = LargestBook();
    for (auto _ : state) {
        std::string out;
        CArchive ar(out);
        doc.Serialize(ar);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * LargestBookBytes().size()));
}
BENCHMARK(BM_Save);

void BM_SaveToFileNoFlush(benchmark::State& state) {
    CVespinDoc& doc = LargestBook();
    const std::string path = "/dev/shm/vespin-bench-save.vpx";
    // The file of an earlier run is gone: the first save creates it, not asks about it.
    doc.SetPathName({});
    CDocument::s_flushToDisk = false;
    for (auto _ : state) benchmark::DoNotOptimize(doc.OnSaveDocument(path));
    CDocument::s_flushToDisk = true;
    std::remove(path.c_str());
}
BENCHMARK(BM_SaveToFileNoFlush);

// Saves of the largest book that change it each time, so that each replaces different bytes:
// with backups on, every one of them keeps a new generation (and retention removes one).
void SaveChanged(benchmark::State& state, const std::string& folder, bool flush, bool keep) {
    CVespinDoc& doc = LargestBook();
    const std::string dir = folder + "/vespin-bench-generations";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string path = dir + "/book.vpx";
    doc.SetPathName({});  // as above
    doc.OnSaveDocument(path);
    doc.SetBackupOptions({keep, 20, 5, dir + "/backups"});
    CDocument::s_flushToDisk = flush;
    const std::string number = doc.EmployeeNo();
    int n = 0;
    for (auto _ : state) {
        VespinDocAccess::EmployeeNo(doc) = std::to_string(++n % 1000);
        benchmark::DoNotOptimize(doc.OnSaveDocument(path));
    }
    CDocument::s_flushToDisk = true;
    doc.SetBackupOptions({});
    VespinDocAccess::EmployeeNo(doc) = number;
    std::filesystem::remove_all(dir);
}
void BM_SaveChangedNoFlush(benchmark::State& s) { SaveChanged(s, "/dev/shm", false, false); }
void BM_SaveChangedNoFlush_WithGeneration(benchmark::State& s) {
    SaveChanged(s, "/dev/shm", false, true);
}
void BM_SaveChangedToDisk(benchmark::State& s) { SaveChanged(s, "/var/tmp", true, false); }
void BM_SaveChangedToDisk_WithGeneration(benchmark::State& s) {
    SaveChanged(s, "/var/tmp", true, true);
}
BENCHMARK(BM_SaveChangedNoFlush);
BENCHMARK(BM_SaveChangedNoFlush_WithGeneration);
BENCHMARK(BM_SaveChangedToDisk)->UseRealTime();
BENCHMARK(BM_SaveChangedToDisk_WithGeneration)->UseRealTime();

// Registering fiscal year 2027 in an empty book under the given calendar.
void AppendFiscalYearUnder(benchmark::State& state, const CalendarRules& rules) {
    CVespinDoc doc(&g_ui, "/nonexistent/vespin", "/nonexistent/vespin.ini");
    VespinDocAccess::Settings(doc).m_calendar = rules;
    for (auto _ : state) {
        state.PauseTiming();
        VespinDocAccess::Years(doc).RemoveAllRecords();
        VespinDocAccess::Days(doc).RemoveAllRecords();
        state.ResumeTiming();
        benchmark::DoNotOptimize(doc.AppendFiscalYear(2027));
    }
}

void BM_AppendFiscalYear(benchmark::State& state) { AppendFiscalYearUnder(state, {}); }
BENCHMARK(BM_AppendFiscalYear);

// The same under the holiday law with eight company holidays, the rules the shipped settings ask
// for; its floor is the fixed table's registration.
void BM_AppendFiscalYear_Law(benchmark::State& state) {
    std::string problem;
    AppendFiscalYearUnder(state,
                          ReadCalendarRules(texts::kHolidayLawKeyword,
                                            "12/29,12/30,12/31,1/2,1/3,8/13,8/14,8/15", problem));
}
BENCHMARK(BM_AppendFiscalYear_Law);

// A month switch: the range of the last registered year's March (the worst lookup).
void BM_MonthRange(benchmark::State& state) {
    CVespinDoc& doc = LargestBook();
    for (auto _ : state) {
        benchmark::DoNotOptimize(doc.MonthRange(CVespinDoc::kLastYear, 3));
    }
}
BENCHMARK(BM_MonthRange);

void BM_MonthRange_OneYearBook(benchmark::State& state) {
    CVespinDoc doc(&g_ui, "/nonexistent/vespin", "/nonexistent/vespin.ini");
    doc.AppendFiscalYear(CVespinDoc::kLastYear);
    for (auto _ : state) {
        benchmark::DoNotOptimize(doc.MonthRange(CVespinDoc::kLastYear, 3));
    }
}
BENCHMARK(BM_MonthRange_OneYearBook);

void BM_DeleteFirstYear(benchmark::State& state) {
    const std::string& bytes = LargestBookBytes();
    CVespinDoc doc(&g_ui, "/nonexistent/vespin", "/nonexistent/vespin.ini");
    for (auto _ : state) {
        state.PauseTiming();
        CArchive ar{std::string_view(bytes)};
        doc.Serialize(ar);
        state.ResumeTiming();
        doc.RemoveFiscalYear(CVespinDoc::kFirstYear);
    }
}
BENCHMARK(BM_DeleteFirstYear);

// The tree's month switch: the range it computes when a month item is selected.
void BM_TreeMonthRange(benchmark::State& state) {
    CVespinDoc& doc = LargestBook();
    for (auto _ : state) benchmark::DoNotOptimize(doc.MonthRange(CVespinDoc::kLastYear, 3));
}
BENCHMARK(BM_TreeMonthRange);

void BM_CsvOfOneMonth(benchmark::State& state) {
    CVespinDoc& doc = LargestBook();
    const auto [first, last] = doc.MonthRange(2026, 5);
    for (auto _ : state) benchmark::DoNotOptimize(BuildCsv(doc, first, last, 2026, 5).count);
}
BENCHMARK(BM_CsvOfOneMonth);

// Lays the sheet out on a canvas that only counts what it is asked to draw.
class CountingCanvas : public ISheetCanvas {
public:
    size_t calls = 0;
    void SelectPen(int) override { ++calls; }
    int SelectFont(int height, int) override { return ++calls, height; }
    void SetTransparentBackground() override { ++calls; }
    void Text(int, int, const std::string& t) override { calls += t.size(); }
    void Line(int, int, int, int) override { ++calls; }
    void FillRect(int, int, int, int, int, int, int) override { ++calls; }
    void RestoreTools() override { ++calls; }
};

void BM_SheetLayout(benchmark::State& state) {
    CVespinDoc& doc = LargestBook();
    for (auto _ : state) {
        CountingCanvas canvas;
        DrawAttendanceSheet(canvas, doc, 2026, 5);
        benchmark::DoNotOptimize(canvas.calls);
    }
}
BENCHMARK(BM_SheetLayout);

// The working-time summary: April is the month alone; March adds up the whole fiscal year.
void BM_WorkSummaryMonth(benchmark::State& state) {
    CVespinDoc& doc = LargestBook();
    for (auto _ : state) benchmark::DoNotOptimize(worktime::SummarizeMonth(doc, 2026, 4));
}
BENCHMARK(BM_WorkSummaryMonth);

void BM_WorkSummaryFiscalYear(benchmark::State& state) {
    CVespinDoc& doc = LargestBook();
    for (auto _ : state) benchmark::DoNotOptimize(worktime::SummarizeMonth(doc, 2026, 3));
}
BENCHMARK(BM_WorkSummaryFiscalYear);

// Hours as the law counts them: a whole agreement year, and one month (each with the weeks,
// wage months and earlier agreement months around it that its figures need).
void BM_LawHoursAgreementYear(benchmark::State& state) {
    CVespinDoc& doc = LargestBook();
    const int from = labourlaw::DayNumber(2026, 4, 1), to = labourlaw::DayNumber(2027, 3, 31);
    for (auto _ : state) benchmark::DoNotOptimize(labourlaw::Compute(doc, from, to));
}
BENCHMARK(BM_LawHoursAgreementYear);

void BM_LawHoursMonth(benchmark::State& state) {
    CVespinDoc& doc = LargestBook();
    const int from = labourlaw::DayNumber(2026, 10, 1), to = labourlaw::DayNumber(2026, 10, 31);
    for (auto _ : state) benchmark::DoNotOptimize(labourlaw::Compute(doc, from, to));
}
BENCHMARK(BM_LawHoursMonth);
// The paid-leave ledger of the whole book: hired on its first day, 有休 and 半休 among the
// categories, grants every 4/1, as of its last day.
void BM_LeaveLedger(benchmark::State& state) {
    static CVespinDoc* doc = [] {
        auto* d = new CVespinDoc(&g_ui, "/nonexistent/vespin", "/nonexistent/vespin.ini");
        FillLargestBook(*d);
        VespinDocAccess::SetSettingLine(*d, 9, texts::S("有休=1,半休=0.5,特欠=除外,以降=4/1"));
        leave::Employment e;
        e.hire = civil::Serial(CVespinDoc::kFirstYear, 4, 1);
        leave::SetBookEmployment(*d, e);
        return d;
    }();
    const int asOf = civil::Serial(CVespinDoc::kLastYear + 1, 3, 31);
    for (auto _ : state) {
        const leave::Ledger l = leave::BookLedger(*doc, asOf);
        benchmark::DoNotOptimize(l.balance);
    }
}
BENCHMARK(BM_LeaveLedger)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
