// The month's report over a folder of 1,000 books of one full fiscal year each: every book read,
// its law's hours and its paid-leave ledger summed, on one thread and on two.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "framework/savefile.h"
#include "model/leavebook.h"
#include "model/monthreport.h"
#include "model/quietui.h"
#include "model/texts.h"
#include "model/vespindoc.h"
#include "model/vespindocaccess.h"

namespace {

constexpr int kBooks = 1000;

// Written once per run into a fresh folder: weekdays 9:00 to 19:00-22:30, a 有休 every third
// Friday, hired three years before.
const std::string& Folder() {
    static const std::string folder = [] {
        char tmpl[] = "/tmp/vespin-report-bench-XXXXXX";
        const std::string dir = ::mkdtemp(tmpl);
        const std::string ini = dir + "/vespin.ini";
        SaveFileAtomic(ini, texts::S("出勤,遅刻,早退,欠勤,半休,休出,有休,振休,特休,特欠\r\n"
                                     "10,11,12,20,13,14,21,22,23,24\r\n1,1,1,0,1,1,0,0,0,0\r\n"
                                     "勤務地１\r\n\r\n\r\n8:00,12:00-13:00\r\n\r\n\r\n"
                                     "有休=1,半休=0.5\r\n"));
        static CQuietVespinUi ui;
        CDocument::s_flushToDisk = false;
        for (int b = 0; b < kBooks; ++b) {
            CVespinDoc doc(&ui, "/nonexistent/vespin", ini);
            doc.OnNewDocument();
            doc.AppendFiscalYear(2026);
            for (int k = 0; k < VespinDocAccess::Days(doc).GetSize(); ++k) {
                CDayRecord* d = VespinDocAccess::Days(doc)[k];
                if (d->GetDayType() != 1) continue;
                const bool leave = (k + b) % 21 == 0;
                d->SetCategory(leave ? 6 : 0);
                if (leave) continue;
                d->SetStart("09:00");
                static const char* const ends[] = {"19:00", "20:30", "22:30", "18:00"};
                d->SetEnd(ends[(k + b) % 4]);
            }
            VespinDocAccess::EmployeeNo(doc) = std::to_string(1000 + b);
            VespinDocAccess::EmployeeName(doc) = texts::S("山田 太郎");
            leave::Employment e;
            e.hire = labourlaw::DayNumber(2023, 4, 1);
            leave::SetBookEmployment(doc, e);
            const std::string name =
                dir + "/" + std::to_string(b / 100) + "/" + std::to_string(b) + ".vpx";
            std::filesystem::create_directories(dir + "/" + std::to_string(b / 100));
            doc.OnSaveDocument(name);
        }
        std::atexit([] { std::filesystem::remove_all(Folder()); });
        return dir;
    }();
    return folder;
}

void BM_Report1000Books(benchmark::State& state) {
    monthreport::Options o;
    o.settingsPath = Folder() + "/vespin.ini";
    o.threads = static_cast<unsigned>(state.range(0));
    size_t rows = 0;
    const auto cpu = [] {
        struct rusage ru {};
        ::getrusage(RUSAGE_SELF, &ru);
        return static_cast<double>(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) +
               static_cast<double>(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
    };
    const double cpuBefore = cpu();
    for (auto _ : state) {
        const auto r = monthreport::ReadAll(monthreport::CollectBooks({Folder()}), {2027, 3}, o);
        rows = r.size();
        benchmark::DoNotOptimize(r.data());
    }
    struct rusage ru {};
    ::getrusage(RUSAGE_SELF, &ru);
    state.counters["books"] = static_cast<double>(rows);
    // CPU time of every thread per run: beside the wall time, how much both cores did.
    state.counters["processCpuMs"] =
        (cpu() - cpuBefore) * 1000.0 / static_cast<double>(state.iterations());
    state.counters["maxRssMB"] = static_cast<double>(ru.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_Report1000Books)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
