// vpxtool: the attendance book on the command line, with the same rules as the program.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "framework/archive.h"
#include "framework/backups.h"
#include "framework/booklock.h"
#include "framework/clock.h"
#include "framework/fileerror.h"
#include "framework/frameworktexts.h"
#include "framework/savefile.h"
#include "framework/sjis.h"
#include "model/backuplist.h"
#include "model/bookextension.h"
#include "model/checks.h"
#include "model/civildate.h"
#include "model/employment.h"
#include "model/leavebook.h"
#include "model/quietui.h"
#include "model/texts.h"
#include "model/vespindoc.h"
#include "model/vespinui.h"
#include "model/worksummary.h"
#include "model/worktime.h"
#include "output/csvexport.h"
#include "output/exportrules.h"
#include "tools/lawcommands.h"
#include "tools/leavecommands.h"
#include "tools/reportcommand.h"

#ifdef VPXTOOL_SHEET
#include "output/qt/sheetpaint.h"
#include "tools/pdfpage.h"
#endif

namespace {

enum Exit { kDone = 0, kRefused = 1, kUsage = 2, kFileError = 3, kInUse = 4 };

const char* const kUsageText =
    "usage: vpxtool [--password-stdin | --password-fd N | --password P] [--settings INI]\n"
    "               COMMAND BOOK [ARGS...]\n"
    "options:\n"
    "  --password-stdin   read the book's password from the first line of standard input\n"
    "  --password-fd N    read it from the first line of file descriptor N (a line of at\n"
    "                     most 4096 bytes)\n"
    "  --password P       the password itself (kept for old scripts: every user of the\n"
    "                     machine can read a command line; prefer the two above)\n"
    "commands:\n"
    "  new BOOK                     (a name that exists is refused, never replaced)\n"
    "  add-year BOOK FY\n"
    "  delete-year BOOK FY\n"
    "  employee BOOK NUMBER NAME\n"
    "  password BOOK NEW            (\"\" removes the password)\n"
    "  set-day BOOK YYYY-MM-DD CATEGORY [START [END [PLACE]]]   (CATEGORY - for none)\n"
    "  retype-year BOOK FY          (types FY's days again by the current calendar rules)\n"
    "  dump BOOK\n"
    "  csv BOOK FY MONTH OUT.csv    (the head-office CSV of one month)\n"
    "  sheet BOOK FY MONTH OUT.pdf  (the monthly attendance sheet as a one-page A4 PDF)\n"
    "  backups BOOK                 (the kept generations of the book as JSON, newest first)\n"
    "  summary BOOK FY MONTH        (worked hours, overtime, night and holiday work as JSON)\n"
    "  hours BOOK FROM TO           (the hours as the law counts them, days YYYY-MM-DD, as JSON)\n"
    "  day-flags BOOK YYYY-MM-DD [legal-holiday=yes|no|auto] [workday=yes|no|auto]\n"
    "  hired BOOK YYYY-MM-DD        (the date of hire)\n"
    "  contract BOOK FROM DAYS HOURS   (the contract from FROM: DAYS a week, or yN days a\n"
    "                               year; HOURS a week such as 40 or 29.5)\n"
    "  leave-used BOOK GRANT_DATE DAYS   (days used of a grant made before the book)\n"
    "  leave BOOK [YYYY-MM-DD]      (the paid-leave ledger as JSON, as of the date or today)\n"
    "  ledger BOOK YYYY-MM-DD OUT.pdf   (the printed ledger of the grant year of the date)\n"
    "  report --month YYYY-MM [--json] BOOK_OR_FOLDER...   (one wage month of every book,\n"
    "                               folders read for *.vpx, as CSV in Shift-JIS or JSON)\n"
    "exit status: 0 done, 1 refused, 2 usage, 3 file error (output not written in full\n"
    "included), 4 the book is open for writing in another window or program, 5 report: some\n"
    "books could not be read\n";

void Print(std::FILE* f, const UiText& text) {
    std::fwrite(text.Utf8().data(), 1, text.Utf8().size(), f);
    std::fputc('\n', f);
}

// Messages go to stderr; the password prompt is answered from the --password options.
class ToolUi : public IVespinUi {
public:
    std::optional<std::string> password;  // Shift-JIS; none when it held what no book can
    bool writes = true;                   // the command changes the book

    MsgAnswer MessageBox(const UiText& text, MsgKind kind) override {
        Print(stderr, text);
        return kind == MsgKind::yesNoCancel ? MsgAnswer::no : MsgAnswer::ok;
    }
    bool AskPassword(const CVespinDoc& doc, const std::string&) override {
        if (PasswordOpens(password, doc.Password())) return true;
        Print(stderr, texts::kPasswordWrong);
        return false;
    }
    std::optional<int> AskYear(const CVespinDoc&) override { return std::nullopt; }
    bool AskEmployee(const CVespinDoc&, std::string&, std::string&) override { return false; }
    std::optional<std::string> AskNewPassword(const CVespinDoc&) override { return std::nullopt; }
};

int Fail(const std::string& utf8) {
    std::fprintf(stderr, "vpxtool: %s\n", utf8.c_str());
    return kRefused;
}

// Whether every text the command would store can be held by the book; says which character
// cannot.
bool Storable(const std::vector<std::string>& utf8Texts) {
    for (const std::string& t : utf8Texts) {
        if (const std::optional<char32_t> bad = sjis::FirstUnstorable(t)) {
            Print(stderr, texts::Format1(texts::kCharNotStorable, sjis::CodePointName(*bad)));
            return false;
        }
    }
    return true;
}

bool ParseInt(const std::string& s, int& out) {
    if (s.empty() || s.size() > 9) return false;
    size_t i = s[0] == '-' ? 1 : 0;
    if (i == s.size()) return false;
    for (size_t k = i; k < s.size(); ++k)
        if (s[k] < '0' || s[k] > '9') return false;
    out = std::stoi(s);
    return true;
}

int Open(CVespinDoc& doc, ToolUi& ui, const std::string& path) {
    switch (doc.OpenDocument(path)) {
        case CDocument::OpenResult::opened:
            break;
        case CDocument::OpenResult::declined:
            return kRefused;
        case CDocument::OpenResult::unreadable:
        case CDocument::OpenResult::damaged:
            return kFileError;
    }
    // One writer at a time: a book open for writing elsewhere may be read, not changed.
    if (ui.writes && doc.IsInUseElsewhere()) {
        Print(stderr, UiText::Format(texts::kBookInUse, UiText::Path(path)));
        return kInUse;
    }
    return kDone;
}

int Save(CVespinDoc& doc, const std::string& path) {
    if (!doc.OnSaveDocument(path)) return kFileError;
    // The save stands; the missing generation is only reported.
    if (doc.LastBackup().outcome == KeepResult::failed)
        Print(stderr, BackupFailedText(doc.LastBackup()));
    return kDone;
}

// A new book under a name nothing holds yet. An existing file is never replaced: the program's
// Save As asks first, a script cannot be asked.
int CreateBook(CVespinDoc& doc, const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && FileLockedByOther(path)) {
        Print(stderr, UiText::Format(texts::kBookInUse, UiText::Path(path)));
        return kInUse;
    }
    std::string bytes;
    CArchive ar(bytes);
    doc.Serialize(ar);
    bool existed = false;
    const SaveResult r = SaveNewFile(path, bytes, existed);
    if (existed) {
        Print(stderr, UiText::Format(texts::kBookExists, UiText::Path(path)));
        return kRefused;
    }
    if (!r) {
        FileError cause = r.cause;
        if (!r.created && cause == FileError::fileNotFound) cause = FileError::badPath;
        Print(stderr, FileErrorText(cause, path));
        return kFileError;
    }
    return kDone;
}

// Whether the file at path is a book (a protected one included).
bool IsBook(const std::string& path) {
    CQuietVespinUi quiet;
    CVespinDoc doc(&quiet, "/nonexistent/vespin", "/nonexistent/vespin.ini");
    doc.OnNewDocument();
    return doc.OnOpenDocument(path);
}

// Whether out may take what a command made of book: never the book itself (by any of its
// names), a book another program holds open, nor any other file that is a book.
int CheckOutput(const std::string& book, const std::string& out) {
    struct stat o {};
    struct stat b {};
    if (::stat(out.c_str(), &o) != 0 || !S_ISREG(o.st_mode)) return kDone;
    const bool same = ::stat(book.c_str(), &b) == 0 && b.st_dev == o.st_dev && b.st_ino == o.st_ino;
    if (!same && FileLockedByOther(out)) {
        Print(stderr, UiText::Format(texts::kBookInUse, UiText::Path(out)));
        return kInUse;
    }
    if (same || IsBook(out)) {
        Print(stderr, UiText::Format(texts::kOutputIsBook, UiText::Path(out)));
        return kRefused;
    }
    return kDone;
}

// Whether standard output was sent into the book (">>" or "<>" leave its bytes in place, and
// what is printed would be written into them).
bool StdoutIsBook(const std::string& book) {
    struct stat o {};
    struct stat b {};
    return ::fstat(STDOUT_FILENO, &o) == 0 && S_ISREG(o.st_mode) && ::stat(book.c_str(), &b) == 0 &&
           b.st_dev == o.st_dev && b.st_ino == o.st_ino;
}

// The generations of a book (which need not exist any more), newest first.
int ListBackups(const std::string& book) {
    using json = nlohmann::ordered_json;
    auto date = [](int y, int m, int d) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", y, m, d);
        return std::string(buf);
    };
    json out = json::array();
    for (const GenerationInfo& g : DescribeGenerations(backups::ReadProfile().root, book)) {
        const LocalTime& t = g.generation.time;
        char time[32];
        std::snprintf(time, sizeof time, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day,
                      t.hour, t.minute, t.second);
        out.push_back(
            {{"path", g.generation.path},
             {"time", time},
             {"size", g.generation.size},
             {"years", g.years},
             {"lastEnteredDay",
              g.lastYear ? json(date(g.lastYear, g.lastMonth, g.lastDay)) : json(nullptr)},
             {"readable", g.readable},
             {"password", g.hasPassword}});
    }
    const std::string text = out.dump(-1, ' ', false, json::error_handler_t::replace);
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
    return kDone;
}

nlohmann::ordered_json Dump(const CVespinDoc& doc) {
    using json = nlohmann::ordered_json;
    auto u = [](const std::string& s) { return sjis::ToUtf8(s); };
    json years = json::array();
    for (const auto& y : doc.Years())
        years.push_back({{"year", y->GetYear()},
                         {"first", y->GetFirstIndex()},
                         {"last", y->GetLastIndex()},
                         {"leap", y->GetLeap()}});
    json days = json::array();
    HolidayNames holidayNames(doc.Settings().m_calendar);
    for (const auto& d : doc.Days()) {
        days.push_back({{"year", d->GetYear()},
                        {"month", d->GetMonth()},
                        {"day", d->GetDay()},
                        {"weekday", u(d->Weekday())},
                        {"start", u(d->Start())},
                        {"end", u(d->End())},
                        {"category", d->GetCategory()},
                        {"place", u(d->Place())},
                        {"dayType", d->GetDayType()}});
        // Only under the law's rules, so that the dump under the fixed table stays as it was;
        // and only for a day the book types as a holiday (a year typed by the fixed table keeps
        // its weekdays until it is re-typed).
        if (doc.Settings().m_calendar.law)
            days.back()["holiday"] =
                d->GetDayType() == kHoliday
                    ? u(holidayNames.Name(d->GetYear(), d->GetMonth(), d->GetDay()))
                    : std::string();
    }
    json out = {{"password", u(doc.Password())},
                {"employeeNo", u(doc.EmployeeNo())},
                {"employeeName", u(doc.EmployeeName())},
                {"years", std::move(years)},
                {"days", std::move(days)}};
    // What the book's extension keeps, only when it keeps it: a dump of a book without one
    // stays as it was.
    const auto isoDate = [](int serial) {
        const civil::Ymd d = civil::FromSerial(serial);
        char text[16];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.y, d.m, d.d);
        return std::string(text);
    };
    const std::vector<bookext::DayMark> marks = bookext::DayMarks(doc.Extension());
    if (!marks.empty()) {
        const char* names[3] = {"auto", "yes", "no"};
        json list = json::array();
        for (const bookext::DayMark& m : marks)
            list.push_back({{"date", isoDate(civil::Serial(m.year, m.month, m.day))},
                            {"legalHoliday", names[static_cast<int>(m.legalHoliday)]},
                            {"workday", names[static_cast<int>(m.workday)]}});
        out["dayMarks"] = std::move(list);
    }
    if (const leave::Employment e = leave::BookEmployment(doc); !e.Empty()) {
        json contracts = json::array(), opening = json::array();
        for (const leave::Contract& c : e.contracts) {
            json j = {{"from", isoDate(c.from)}};
            if (c.daysPerWeek > 0)
                j["daysPerWeek"] = c.daysPerWeek;
            else
                j["daysPerYear"] = c.daysPerYear;
            j["weeklyHours"] = c.centiHours / 100.0;
            contracts.push_back(std::move(j));
        }
        for (const leave::OpeningUse& o : e.opening)
            opening.push_back({{"grant", isoDate(o.grant)}, {"days", o.halfDays / 2.0}});
        out["employment"] = {{"hired", e.hire ? json(isoDate(*e.hire)) : json(nullptr)},
                             {"contracts", std::move(contracts)},
                             {"openingUse", std::move(opening)}};
    }
    return out;
}

int SetDay(CVespinDoc& doc, const std::vector<std::string>& a) {
    int y = 0, m = 0, d = 0;
    const std::string& date = a[0];
    if (date.size() != 10 || date[4] != '-' || date[7] != '-' || !ParseInt(date.substr(0, 4), y) ||
        !ParseInt(date.substr(5, 2), m) || !ParseInt(date.substr(8, 2), d))
        return kUsage;
    const auto [first, last] = doc.MonthRange(FiscalYearOf(y, m), m);
    if (first < 0 || d < 1 || first + d - 1 > last)
        return Fail("the day " + date + " is not in a registered fiscal year");

    DayEntry in;
    if (a[1] != "-") {
        const std::string name = sjis::FromUtf8(a[1]);
        const std::vector<std::string> entries = doc.Settings().CategoryListEntries();
        for (size_t i = 0; i < entries.size(); ++i)
            if (entries[i] == name) in.category = static_cast<int32_t>(i);
        if (in.category < 0) return Fail("unknown category: " + a[1]);
    }
    if (a.size() > 2) in.start = sjis::FromUtf8(a[2]);
    if (a.size() > 3) in.end = sjis::FromUtf8(a[3]);
    if (a.size() > 4) in.place = sjis::FromUtf8(a[4]);

    const AttendanceResult r = CheckAttendance(in, doc.Settings().m_astrTimeFlags);
    for (const CheckMessage& msg : r.messages) Print(stderr, msg.text);
    if (!r.accepted) return kRefused;
    doc.StoreDayEntry(first + d - 1, r.corrected);
    return kDone;
}

int RetypeYear(CVespinDoc& doc, const std::string& fyText) {
    int fy = 0;
    if (!ParseInt(fyText, fy)) return kUsage;
    if (!doc.RetypeFiscalYear(fy)) {
        Print(stderr, texts::kYearNotRegistered);
        return kRefused;
    }
    return kDone;
}

// The month FY/MONTH of an opened book: its day range, or a refusal.
int MonthOf(const CVespinDoc& doc, const std::vector<std::string>& a, int& fy, int& month) {
    if (!ParseInt(a[0], fy) || !ParseInt(a[1], month) || month < 1 || month > 12) return kUsage;
    if (doc.FindYear(fy) < 0) return Fail("fiscal year " + a[0] + " is not registered");
    return kDone;
}

int WriteMonthCsv(const CVespinDoc& doc, const std::vector<std::string>& a) {
    int fy = 0, month = 0;
    if (int rc = MonthOf(doc, a, fy, month)) return rc;
    const std::string& out = a[2];
    if (LowerExtension(out) != ".csv") {
        Print(stderr, texts::kExportExtension);
        return kRefused;
    }
    const auto [first, last] = doc.MonthRange(fy, month);
    const CsvWriteResult r = WriteCsv(doc, first, last, CalendarYearOf(fy, month), month, out);
    if (!r) {
        Print(stderr, FileErrorText(r.cause, out));
        return kFileError;
    }
    Print(stdout, ExportCountMessage(r.count));
    return kDone;
}

int WriteSheet(const CVespinDoc& doc, const std::vector<std::string>& a) {
    int fy = 0, month = 0;
    if (int rc = MonthOf(doc, a, fy, month)) return rc;
#ifdef VPXTOOL_SHEET
    return WritePdfPage(a[2], [&] { return SheetPdf(doc, fy, month); });
#else
    (void)doc;
    return Fail("this vpxtool was built without Qt and cannot draw the sheet");
#endif
}

// --help and --version, alone on the command line; -1 for anything else.
int HelpOrVersion(const std::vector<std::string>& args) {
    if (args.size() != 1) return -1;
    if (args[0] == "--version") {
        std::printf("vpxtool %s\n", VESPIN_VERSION);
        return kDone;
    }
    if (args[0] != "--help") return -1;
    std::fputs(kUsageText, stdout);
    std::fputs(
        "also:\n"
        "  --settings INI     read INI instead of vespin.ini beside vpxtool or in\n"
        "                     <prefix>/etc/vespin (/etc/vespin for /usr/bin/vpxtool)\n"
        "  --help, --version\n"
        "exit codes: 0 done, 1 input refused, 2 usage, 3 file error,\n"
        "            4 the book is open for writing elsewhere, 5 some books not read (report)\n",
        stdout);
    return kDone;
}

// The working-time summary of one month and of its fiscal year to date.
int PrintSummary(const CVespinDoc& doc, const std::vector<std::string>& a) {
    using json = nlohmann::ordered_json;
    using worktime::FormatHours;
    int fy = 0, month = 0;
    if (int rc = MonthOf(doc, a, fy, month)) return rc;
    const std::optional<worktime::MonthSummary> s = worktime::SummarizeMonth(doc, fy, month);
    if (!s) return Fail("fiscal year " + a[0] + " is not registered");
    auto figures = [](const worktime::DayFigures& f) {
        return json{{"span", FormatHours(f.span)},     {"break", FormatHours(f.breakTime)},
                    {"worked", FormatHours(f.worked)}, {"overtime", FormatHours(f.overtime)},
                    {"night", FormatHours(f.night)},   {"holidayWork", FormatHours(f.holidayWork)}};
    };
    auto totals = [&](const worktime::Totals& t) {
        json j = {{"days", t.days}};
        j.update(figures(t.sum));
        return j;
    };
    auto date = [&](int k) {
        const CDayRecord& d = *doc.Days()[k];
        char buf[16];
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.GetYear(), d.GetMonth(), d.GetDay());
        return std::string(buf);
    };
    json breaks = json::array();
    for (const worktime::Period& p : doc.Settings().m_workRules.breaks)
        breaks.push_back(worktime::FormatPeriod(p));
    json categories = json::array();
    for (size_t c = 0; c < doc.Settings().m_astrCategories.size(); ++c)
        if (!doc.Settings().m_astrCategories[c].empty())
            categories.push_back({{"name", sjis::ToUtf8(doc.Settings().m_astrCategories[c])},
                                  {"days", s->categoryDays[c]}});
    json incomplete = json::array();
    for (int k : s->incomplete) incomplete.push_back(date(k));
    json days = json::array();
    for (const worktime::CountedDay& d : s->days) {
        json j = {{"date", date(d.index)}};
        j.update(figures(d.figures));
        days.push_back(std::move(j));
    }
    const json out = {{"year", s->calendarYear},
                      {"month", month},
                      {"scheduled", FormatHours(doc.Settings().m_workRules.scheduled)},
                      {"breaks", std::move(breaks)},
                      {"monthTotals", totals(s->monthTotals)},
                      {"yearTotals", totals(s->yearTotals)},
                      {"categories", std::move(categories)},
                      {"incomplete", std::move(incomplete)},
                      {"days", std::move(days)}};
    const std::string text = out.dump(-1, ' ', false, json::error_handler_t::replace);
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
    return kDone;
}

}  // namespace

// The longest password line read: far beyond any password typed, while an endless input
// (/dev/zero) is refused at once rather than read into memory for ever.
constexpr size_t kMaxPasswordLine = 4096;

// The first line read from fd, without its line end; nothing when it cannot be read or is
// longer than kMaxPasswordLine bytes.
std::optional<std::string> ReadPasswordLine(int fd) {
    std::string line;
    char c = 0;
    for (;;) {
        const ssize_t n = ::read(fd, &c, 1);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0 || c == '\n') break;
        if (line.size() >= kMaxPasswordLine) return std::nullopt;
        line += c;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

int RunTool(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (int rc = HelpOrVersion(args); rc >= 0) return rc;
    ToolUi ui;
    std::string settings;
    size_t i = 0;
    while (i < args.size() && args[i].rfind("--", 0) == 0) {
        int fd = -1;
        if (args[i] == "--password" && i + 1 < args.size()) {
            ui.password = TypedPassword(args[i + 1]);
            i += 2;
        } else if ((args[i] == "--password-stdin" ||
                    (args[i] == "--password-fd" && i + 1 < args.size() &&
                     ParseInt(args[i + 1], fd) && fd >= 0))) {
            const std::optional<std::string> line = ReadPasswordLine(fd < 0 ? 0 : fd);
            if (!line)
                return Fail("the password could not be read from " + args[i] +
                            " (one line of at most " + std::to_string(kMaxPasswordLine) +
                            " bytes)");
            ui.password = TypedPassword(*line);
            i += fd < 0 ? 1 : 2;
        } else if (args[i] == "--settings" && i + 1 < args.size()) {
            settings = args[i + 1];
            i += 2;
        } else {
            std::fputs(kUsageText, stderr);
            return kUsage;
        }
    }
    if (args.size() < i + 2) {
        std::fputs(kUsageText, stderr);
        return kUsage;
    }
    const std::string command = args[i];
    const std::string book = args[i + 1];
    const std::vector<std::string> rest(args.begin() + static_cast<long>(i) + 2, args.end());
    auto arity = [&](size_t lo, size_t hi) { return rest.size() >= lo && rest.size() <= hi; };

    if (command == "report") {
        const int rc = reportcommand::Run({args.begin() + static_cast<long>(i) + 1, args.end()},
                                          ui.password, settings);
        if (rc == kUsage) std::fputs(kUsageText, stderr);
        return rc;
    }
    if (StdoutIsBook(book)) {
        Print(stderr, UiText::Format(texts::kOutputIsBook, UiText::Path(book)));
        return kRefused;
    }
    if (command == "backups") {
        if (arity(0, 0)) return ListBackups(book);
        std::fputs(kUsageText, stderr);
        return kUsage;
    }
    // Commands that only read never wait for, nor refuse, a book open for writing elsewhere.
    ui.writes = command != "dump" && command != "csv" && command != "sheet" &&
                command != "summary" && command != "hours" && command != "leave" &&
                command != "ledger";

    CVespinDoc doc(&ui, {}, settings);
    doc.SetBackupOptions(backups::ReadProfile());
    doc.OnNewDocument();

    if (command == "new") {
        if (!arity(0, 0)) return kUsage;
        return CreateBook(doc, book);
    }
    // The commands that read the book and make something of it; a usage error repeats the usage.
    auto make = [&](int (*maker)(const CVespinDoc&, const std::vector<std::string>&)) {
        if (int rc = Open(doc, ui, book)) return rc;
        const int rc = maker(doc, rest);
        if (rc == kUsage) std::fputs(kUsageText, stderr);
        return rc;
    };
    int code = kUsage;
    if (command == "add-year" && arity(1, 1)) {
        if (int rc = Open(doc, ui, book)) return rc;
        const YearCheckResult r = CheckYearText(rest[0], doc.Years());
        if (!r.accepted) {
            Print(stderr, r.message);
            return kRefused;
        }
        doc.RegisterYear(r.year);
        code = kDone;
    } else if (command == "delete-year" && arity(1, 1)) {
        int y = 0;
        if (!ParseInt(rest[0], y)) return kUsage;
        if (int rc = Open(doc, ui, book)) return rc;
        if (doc.FindYear(y) < 0) return Fail("fiscal year " + rest[0] + " is not registered");
        doc.DeleteYear(y);
        code = kDone;
    } else if (command == "retype-year" && arity(1, 1)) {
        if (int rc = Open(doc, ui, book)) return rc;
        code = RetypeYear(doc, rest[0]);
    } else if (command == "employee" && arity(2, 2)) {
        if (!Storable(rest)) return kRefused;
        if (int rc = Open(doc, ui, book)) return rc;
        const std::string number = sjis::FromUtf8(rest[0]), name = sjis::FromUtf8(rest[1]);
        const EmployeeCheckResult r = CheckEmployee(number, name);
        if (r.focus != EmployeeField::none) {
            Print(stderr, r.message);
            return kRefused;
        }
        doc.SetEmployee(number, name);
        code = kDone;
    } else if (command == "password" && arity(1, 1)) {
        if (!Storable(rest)) return kRefused;
        if (int rc = Open(doc, ui, book)) return rc;
        doc.SetPassword(sjis::FromUtf8(rest[0]));
        code = kDone;
    } else if (command == "set-day" && arity(2, 5)) {
        if (!Storable(rest)) return kRefused;
        if (int rc = Open(doc, ui, book)) return rc;
        code = SetDay(doc, rest);
    } else if (command == "csv" && arity(3, 3)) {
        if (int rc = CheckOutput(book, rest[2])) return rc;
        return make(WriteMonthCsv);
    } else if (command == "sheet" && arity(3, 3)) {
        if (int rc = CheckOutput(book, rest[2])) return rc;
        return make(WriteSheet);
    } else if (command == "summary" && arity(2, 2)) {
        return make(PrintSummary);
    } else if (command == "hours" && arity(2, 2)) {
        return make(lawcommands::PrintHours);
    } else if (command == "day-flags" && arity(1, 3)) {
        if (int rc = Open(doc, ui, book)) return rc;
        code = lawcommands::SetDayFlags(doc, rest);
    } else if (command == "leave" && arity(0, 1)) {
        return make(leavetool::PrintLeave);
    } else if (command == "ledger" && arity(2, 2)) {
        return make(leavetool::WriteLedger);
    } else if ((command == "hired" && arity(1, 1)) || (command == "contract" && arity(3, 3)) ||
               (command == "leave-used" && arity(2, 2))) {
        if (int rc = Open(doc, ui, book)) return rc;
        code = command == "hired"      ? leavetool::SetHired(doc, rest)
               : command == "contract" ? leavetool::SetContract(doc, rest)
                                       : leavetool::SetLeaveUsed(doc, rest);
    } else if (command == "dump" && arity(0, 0)) {
        if (int rc = Open(doc, ui, book)) return rc;
        const std::string out =
            Dump(doc).dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
        std::fwrite(out.data(), 1, out.size(), stdout);
        std::fputc('\n', stdout);
        return kDone;
    }
    if (code == kUsage) std::fputs(kUsageText, stderr);
    if (code != kDone) return code;
    return Save(doc, book);
}

// Every byte of the output is checked: a script that keeps what vpxtool printed (a dump as a
// backup) must never be told that a truncated or lost output was written.
int main(int argc, char** argv) {
    int code = RunTool(argc, argv);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        Print(stderr, FileErrorText(FileError::diskFull, "stdout"));
        code = kFileError;
    }
    return code;
}
