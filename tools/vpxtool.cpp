// vpxtool: the attendance book on the command line, with the same rules as the program.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <variant>
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
#include "tools/toolexit.h"

#ifdef VPXTOOL_SHEET
#include "output/qt/sheetpaint.h"
#include "tools/pdfpage.h"
#endif

namespace {

using tool::Fail;
using tool::kDone;
using tool::kFileError;
using tool::kInUse;
using tool::kRefused;
using tool::kUsage;
using Args = std::vector<std::string>;

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

// Whether every text the command would store can be held by the book; says which character
// cannot.
bool Storable(const std::vector<std::string>& utf8Texts) {
    for (const std::string& t : utf8Texts) {
        if (const std::optional<char32_t> bad = sjis::FirstUnstorable(t)) {
            Print(stderr,
                  UiText::Format(texts::kCharNotStorable, UiText::Path(sjis::CodePointName(*bad))));
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

int RetypeYear(CVespinDoc& doc, const Args& a) {
    int fy = 0;
    if (!ParseInt(a[0], fy)) return kUsage;
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

int AddYear(CVespinDoc& doc, const Args& a) {
    const YearCheckResult r = CheckYearText(a[0], doc.Years());
    if (!r.accepted) {
        Print(stderr, r.message);
        return kRefused;
    }
    doc.RegisterYear(r.year);
    return kDone;
}

int DeleteYear(CVespinDoc& doc, const Args& a) {
    int y = 0;
    ParseInt(a[0], y);  // YearNumber let it through
    if (doc.FindYear(y) < 0) return Fail("fiscal year " + a[0] + " is not registered");
    doc.DeleteYear(y);
    return kDone;
}

int SetEmployee(CVespinDoc& doc, const Args& a) {
    const std::string number = sjis::FromUtf8(a[0]), name = sjis::FromUtf8(a[1]);
    const EmployeeCheckResult r = CheckEmployee(number, name);
    if (r.focus != EmployeeField::none) {
        Print(stderr, r.message);
        return kRefused;
    }
    doc.SetEmployee(number, name);
    return kDone;
}

int SetPassword(CVespinDoc& doc, const Args& a) {
    doc.SetPassword(sjis::FromUtf8(a[0]));
    return kDone;
}

int PrintDump(const CVespinDoc& doc, const Args&) {
    const std::string out =
        Dump(doc).dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fputc('\n', stdout);
    return kDone;
}

// Checks made before the book is opened. A usage error found here is answered by the exit code
// alone, without the usage text.
int NothingMore(const std::string&, const Args& a) { return a.empty() ? kDone : kUsage; }
int YearNumber(const std::string&, const Args& a) {
    int y = 0;
    return ParseInt(a[0], y) ? kDone : kUsage;
}
int StorableArgs(const std::string&, const Args& a) { return Storable(a) ? kDone : kRefused; }
int OutputFile(const std::string& book, const Args& a) { return CheckOutput(book, a[2]); }

// What a command does with its book; the commands that only read never wait for, nor refuse,
// a book open for writing elsewhere, and are never saved.
using Reads = int (*)(const CVespinDoc&, const Args&);     // opened and read
using Writes = int (*)(CVespinDoc&, const Args&);          // opened, changed, saved
using Creates = int (*)(CVespinDoc&, const std::string&);  // a new book under BOOK
using Names = int (*)(const std::string&);                 // the name alone, nothing opened
struct Report {};                                          // report reads its own words and books
using Handler = std::variant<Reads, Writes, Creates, Names, Report>;

struct Command {
    const char* name;
    const char* usage;                // its lines under "commands:", without the indent
    size_t minArgs = 0, maxArgs = 0;  // the words after BOOK
    int (*check)(const std::string& book, const Args& args) = nullptr;  // before opening
    Handler run;
};

constexpr size_t kAny = SIZE_MAX;

const Command kCommands[] = {
    {"new", "new BOOK                     (a name that exists is refused, never replaced)", 0, kAny,
     NothingMore, Creates{CreateBook}},
    {"add-year", "add-year BOOK FY", 1, 1, nullptr, Writes{AddYear}},
    {"delete-year", "delete-year BOOK FY", 1, 1, YearNumber, Writes{DeleteYear}},
    {"employee", "employee BOOK NUMBER NAME", 2, 2, StorableArgs, Writes{SetEmployee}},
    {"password", "password BOOK NEW            (\"\" removes the password)", 1, 1, StorableArgs,
     Writes{SetPassword}},
    {"set-day", "set-day BOOK YYYY-MM-DD CATEGORY [START [END [PLACE]]]   (CATEGORY - for none)", 2,
     5, StorableArgs, Writes{SetDay}},
    {"retype-year",
     "retype-year BOOK FY          (types FY's days again by the current calendar rules)", 1, 1,
     nullptr, Writes{RetypeYear}},
    {"dump", "dump BOOK", 0, 0, nullptr, Reads{PrintDump}},
    {"csv", "csv BOOK FY MONTH OUT.csv    (the head-office CSV of one month)", 3, 3, OutputFile,
     Reads{WriteMonthCsv}},
    {"sheet", "sheet BOOK FY MONTH OUT.pdf  (the monthly attendance sheet as a one-page A4 PDF)", 3,
     3, OutputFile, Reads{WriteSheet}},
    {"backups",
     "backups BOOK                 (the kept generations of the book as JSON, newest first)", 0, 0,
     nullptr, Names{ListBackups}},
    {"summary",
     "summary BOOK FY MONTH        (worked hours, overtime, night and holiday work as JSON)", 2, 2,
     nullptr, Reads{PrintSummary}},
    {"hours",
     "hours BOOK FROM TO           (the hours as the law counts them, days YYYY-MM-DD, as JSON)", 2,
     2, nullptr, Reads{lawcommands::PrintHours}},
    {"day-flags", "day-flags BOOK YYYY-MM-DD [legal-holiday=yes|no|auto] [workday=yes|no|auto]", 1,
     3, nullptr, Writes{lawcommands::SetDayFlags}},
    {"hired", "hired BOOK YYYY-MM-DD        (the date of hire)", 1, 1, nullptr,
     Writes{leavetool::SetHired}},
    {"contract",
     "contract BOOK FROM DAYS HOURS   (the contract from FROM: DAYS a week, or yN days a\n"
     "                               year; HOURS a week such as 40 or 29.5)",
     3, 3, nullptr, Writes{leavetool::SetContract}},
    {"leave-used", "leave-used BOOK GRANT_DATE DAYS   (days used of a grant made before the book)",
     2, 2, nullptr, Writes{leavetool::SetLeaveUsed}},
    {"leave",
     "leave BOOK [YYYY-MM-DD]      (the paid-leave ledger as JSON, as of the date or today)", 0, 1,
     nullptr, Reads{leavetool::PrintLeave}},
    {"ledger",
     "ledger BOOK YYYY-MM-DD OUT.pdf   (the printed ledger of the grant year of the date)", 2, 2,
     nullptr, Reads{leavetool::WriteLedger}},
    {"report",
     "report --month YYYY-MM [--json] BOOK_OR_FOLDER...   (one wage month of every book,\n"
     "                               folders read for *.vpx, as CSV in Shift-JIS or JSON)",
     0, 0, nullptr, Report{}},
};

const char* const kUsageHead =
    "usage: vpxtool [--password-stdin | --password-fd N | --password P] [--settings INI]\n"
    "               COMMAND BOOK [ARGS...]\n"
    "options:\n"
    "  --password-stdin   read the book's password from the first line of standard input\n"
    "  --password-fd N    read it from the first line of file descriptor N (a line of at\n"
    "                     most 4096 bytes)\n"
    "  --password P       the password itself (kept for old scripts: every user of the\n"
    "                     machine can read a command line; prefer the two above)\n"
    "commands:\n";
const char* const kExitStatus =
    "exit status: 0 done, 1 refused, 2 usage, 3 file error (output not written in full\n"
    "included), 4 the book is open for writing in another window or program, 5 report: some\n"
    "books could not be read\n";

const Command* FindCommand(const std::string& name) {
    for (const Command& c : kCommands)
        if (name == c.name) return &c;
    return nullptr;
}

// The usage, printed with every usage error; --help adds its own lines.
const std::string& UsageText() {
    static const std::string text = [] {
        std::string t = kUsageHead;
        for (const Command& c : kCommands) (t += "  ") += c.usage, t += '\n';
        return t + kExitStatus;
    }();
    return text;
}

int Usage() {
    std::fputs(UsageText().c_str(), stderr);
    return kUsage;
}

// --help and --version, alone on the command line; -1 for anything else.
int HelpOrVersion(const Args& args) {
    if (args.size() != 1) return -1;
    if (args[0] == "--version") {
        std::printf("vpxtool %s\n", VESPIN_VERSION);
        return kDone;
    }
    if (args[0] != "--help") return -1;
    std::fputs(UsageText().c_str(), stdout);
    std::fputs(
        "also:\n"
        "  --settings INI     read INI instead of vespin.ini beside vpxtool or in\n"
        "                     <prefix>/etc/vespin (/etc/vespin for /usr/bin/vpxtool)\n"
        "  --help, --version\n",
        stdout);
    return kDone;
}

// Runs command on book: the checks before opening, the opening (to read or to change), the
// handler, the save of a changed book.
int RunCommand(const Command* command, const std::string& book, const Args& rest, ToolUi& ui,
               const std::string& settings) {
    if (StdoutIsBook(book)) {
        Print(stderr, UiText::Format(texts::kOutputIsBook, UiText::Path(book)));
        return kRefused;
    }
    const bool fits = command && rest.size() >= command->minArgs && rest.size() <= command->maxArgs;
    if (const Names* names = command ? std::get_if<Names>(&command->run) : nullptr)
        return fits ? (*names)(book) : Usage();
    ui.writes = !command || !std::holds_alternative<Reads>(command->run);

    // An unknown command, or one with the wrong words, too reads the settings and says their
    // problems before the usage.
    CVespinDoc doc(&ui, {}, settings);
    doc.SetBackupOptions(backups::ReadProfile());
    doc.OnNewDocument();

    if (!fits) return Usage();
    if (command->check)
        if (int rc = command->check(book, rest)) return rc;
    if (const Creates* create = std::get_if<Creates>(&command->run)) return (*create)(doc, book);
    if (int rc = Open(doc, ui, book)) return rc;
    int code = kUsage;
    if (const Reads* read = std::get_if<Reads>(&command->run))
        code = (*read)(doc, rest);
    else if (const Writes* write = std::get_if<Writes>(&command->run))
        code = (*write)(doc, rest);
    if (code == kUsage) return Usage();
    if (code != kDone || !ui.writes) return code;
    return Save(doc, book);
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
            return Usage();
        }
    }
    if (args.size() < i + 2) return Usage();
    const Command* command = FindCommand(args[i]);
    if (command && std::holds_alternative<Report>(command->run)) {
        const int rc = reportcommand::Run({args.begin() + static_cast<long>(i) + 1, args.end()},
                                          ui.password, settings);
        return rc == kUsage ? Usage() : rc;
    }
    return RunCommand(command, args[i + 1], {args.begin() + static_cast<long>(i) + 2, args.end()},
                      ui, settings);
}

// Every byte of the output is checked: a script that keeps what vpxtool printed (a dump as a
// backup) must never be told that a truncated or lost output was written.
int main(int argc, char** argv) {
    // What no command could finish (the memory running out, a thread the system refused) ends
    // in a message and the code of an output not written in full, never in an abort.
    try {
        int code = RunTool(argc, argv);
        if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
            Print(stderr, FileErrorText(FileError::diskFull, "stdout"));
            code = kFileError;
        }
        return code;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vpxtool: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "vpxtool: an unexpected failure\n");
    }
    return kFileError;
}
