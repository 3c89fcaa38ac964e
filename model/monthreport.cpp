#include "model/monthreport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <thread>

#include "framework/archive.h"
#include "framework/frameworktexts.h"
#include "framework/readfile.h"
#include "framework/sjis.h"
#include "model/checks.h"
#include "model/leavebook.h"
#include "model/texts.h"
#include "model/vespindoc.h"
#include "model/vespinui.h"

namespace monthreport {
namespace {

namespace fs = std::filesystem;

int MonthStartOn(int y, int m, int day) { return labourlaw::DayNumber(y, m, day); }
int MonthEndFrom(int y, int m, int day) {
    return m == 12 ? labourlaw::DayNumber(y + 1, 1, day) - 1
                   : labourlaw::DayNumber(y, m + 1, day) - 1;
}

// No one to ask: messages are passed over (the settings' were shown once by the caller), the
// password is the one given.
class ReaderUi : public IVespinUi {
public:
    std::optional<std::string> password;

    MsgAnswer MessageBox(const UiText&, MsgKind kind) override {
        return kind == MsgKind::yesNoCancel ? MsgAnswer::no : MsgAnswer::ok;
    }
    bool AskPassword(const CVespinDoc& doc, const std::string&) override {
        return PasswordOpens(password, doc.Password());
    }
    std::optional<int> AskYear(const CVespinDoc&) override { return std::nullopt; }
    bool AskEmployee(const CVespinDoc&, std::string&, std::string&) override { return false; }
    std::optional<std::string> AskNewPassword(const CVespinDoc&) override { return std::nullopt; }
};

// One per thread: the settings are read once, the document reused from book to book.
class BookReader {
public:
    explicit BookReader(const Options& o) : m_doc(&m_ui, {}, o.settingsPath) {
        m_ui.password = o.password;
    }
    void Read(Row& row, Month month);

private:
    bool Load(Row& row);
    ReaderUi m_ui;
    CVespinDoc m_doc;
    std::string m_bytes;
};

bool BookReader::Load(Row& row) {
    // Read by name without the writer's lock: the owner's program keeps the book, and a save
    // replaces the whole file at once, so the bytes are always one whole book.
    m_bytes.clear();
    if (const FileError err = ReadWholeFile(row.path, m_bytes, kMaxBookBytes);
        err != FileError::none) {
        row.error =
            err == FileError::generic ? UiText(texts::kFailedToOpen) : FileErrorText(err, row.path);
        return false;
    }
    CDocument::LoadResult loaded = CDocument::LoadResult::loaded;
    try {
        CArchive ar{std::string_view(m_bytes)};
        loaded = m_doc.Load(ar);
    } catch (const ArchiveException&) {
        row.error = texts::kInvalidFormat;
        return false;
    }
    if (loaded == CDocument::LoadResult::declined) {
        row.error = texts::kPasswordWrong;
        return false;
    }
    return true;
}

void BookReader::Read(Row& row, Month month) {
    if (!Load(row)) return;
    row.read = true;
    row.employeeNo = m_doc.EmployeeNo();
    row.employeeName = m_doc.EmployeeName();

    const lawsettings::Settings& law = m_doc.LawSettings();
    const int wageStart = MonthStartOn(month.year, month.month, law.week.wageMonthStart);
    const int wageEnd = MonthEndFrom(month.year, month.month, law.week.wageMonthStart);
    // The same range as `hours` for the wage month: the same figures and findings.
    const labourlaw::Result w = labourlaw::Compute(m_doc, wageStart, wageEnd);
    for (const labourlaw::Period& p : w.months)
        if (p.start == wageStart) {
            row.monthInBook = true;
            row.days = p.days;
            row.figures = p.f;
        }
    row.findings = w.findings;

    // The agreement month and its year so far.
    const lawsettings::Agreement& a = law.agreement;
    const int agreeStart = MonthStartOn(month.year, month.month, a.startDay);
    const int agreeEnd = MonthEndFrom(month.year, month.month, a.startDay);
    int yearStart = labourlaw::DayNumber(month.year, a.startMonth, a.startDay);
    if (yearStart > agreeStart)
        yearStart = labourlaw::DayNumber(month.year - 1, a.startMonth, a.startDay);
    const labourlaw::Result y = labourlaw::Compute(m_doc, yearStart, agreeEnd);
    for (const labourlaw::AgreementMonth& m : y.agreementMonths) {
        if (m.start < yearStart || m.start > agreeStart) continue;
        if (m.overtime > 45 * 60) ++row.monthsOver45;
        if (m.start != agreeStart) continue;
        row.total = m.overtime + m.holiday;
        for (int k = 2; k <= 6; ++k)
            if (m.sums[k] >= 0)
                row.maxAverage = std::max(
                    row.maxAverage, static_cast<int>(std::lround(m.sums[k] * 100.0 / (60.0 * k))));
    }

    if (!leave::BookEmployment(m_doc).hire) return;
    const leave::Ledger l = leave::BookLedger(m_doc, wageEnd);
    row.leaveLeft = l.balance;
    row.fiveDays = MonthFiveDays(l.obligations, wageStart, wageEnd);
}

bool IsBookName(const fs::path& p) {
    std::string ext = p.extension().string();
    for (char& c : ext) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return ext == ".vpx";
}

void CollectFolder(const fs::path& folder, std::vector<Source>& out) {
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) {
        out.push_back({folder.string(), FileErrorFromErrno(ec.value())});
        return;
    }
    std::vector<fs::path> books, folders;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) break;
        std::error_code kind;
        if (it->is_directory(kind) && !it->is_symlink(kind))
            folders.push_back(it->path());
        else if (IsBookName(it->path()) && !it->is_directory(kind))
            books.push_back(it->path());
    }
    if (ec) out.push_back({folder.string(), FileErrorFromErrno(ec.value())});
    std::sort(books.begin(), books.end());
    std::sort(folders.begin(), folders.end());
    for (const fs::path& b : books) out.push_back({b.string(), FileError::none});
    for (const fs::path& f : folders) CollectFolder(f, out);
}

}  // namespace

std::optional<Month> ParseMonth(std::string_view s) {
    if (s.size() != 7 || s[4] != '-') return std::nullopt;
    int v = 0;
    for (size_t i = 0; i < 7; ++i) {
        if (i == 4) continue;
        if (s[i] < '0' || s[i] > '9') return std::nullopt;
        v = v * 10 + (s[i] - '0');
    }
    const Month m{v / 100, v % 100};
    if (m.month < 1 || m.month > 12 || m.year < 1900) return std::nullopt;
    return m;
}

std::vector<Source> CollectBooks(const std::vector<std::string>& args) {
    std::vector<Source> out;
    for (const std::string& a : args) {
        std::error_code ec;
        if (fs::is_directory(a, ec))
            CollectFolder(a, out);
        else
            out.push_back({a, FileError::none});
    }
    return out;
}

std::optional<FiveDays> MonthFiveDays(const std::vector<leave::Obligation>& obligations,
                                      int monthStart, int monthEnd) {
    const leave::Obligation* best = nullptr;
    auto rank = [](const leave::Obligation& o) {
        return o.status == leave::Status::unmet ? 0 : o.status == leave::Status::pending ? 1 : 2;
    };
    for (const leave::Obligation& o : obligations) {
        if (o.baseDate > monthEnd || o.deadline < monthStart) continue;
        if (!best || rank(o) < rank(*best) ||
            (rank(o) == rank(*best) &&
             (rank(o) == 2 ? o.deadline > best->deadline : o.deadline < best->deadline)))
            best = &o;
    }
    if (!best) return std::nullopt;
    return FiveDays{best->status, best->deadline};
}

std::vector<Row> ReadAll(const std::vector<Source>& sources, Month month, const Options& options,
                         std::atomic<size_t>* done, const std::atomic<bool>* cancel) {
    std::vector<Row> rows(sources.size());
    std::atomic<size_t> next{0};
    auto work = [&] {
        BookReader reader(options);
        for (size_t i; (i = next.fetch_add(1)) < sources.size();) {
            if (cancel && cancel->load()) return;
            Row& row = rows[i];
            row.path = sources[i].path;
            if (sources[i].error != FileError::none)
                row.error = FileErrorText(sources[i].error, row.path);
            else
                try {
                    reader.Read(row, month);
                } catch (const std::exception&) {
                    // Out of memory and the like: this book fails, the others are read.
                    row = Row{};
                    row.path = sources[i].path;
                    row.error = texts::kFailedToOpen;
                }
            if (done) done->fetch_add(1);
        }
    };
    unsigned n =
        options.threads ? options.threads : std::max(1u, std::thread::hardware_concurrency());
    n = static_cast<unsigned>(std::min<size_t>(n, std::max<size_t>(sources.size(), 1)));
    std::vector<std::thread> pool;
    for (unsigned t = 1; t < n; ++t) pool.emplace_back(work);
    work();
    for (std::thread& t : pool) t.join();
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].path.empty()) rows[i].path = sources[i].path;
    return rows;
}

std::vector<labourlaw::Rule> FindingRules(const Row& row) {
    std::vector<labourlaw::Rule> rules;
    for (const labourlaw::Finding& f : row.findings)
        if (std::find(rules.begin(), rules.end(), f.rule) == rules.end()) rules.push_back(f.rule);
    return rules;
}

std::string Hundredths(int h) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%d.%02d", h / 100, h % 100);
    return buf;
}

std::string HalfDays(int halfDays) {
    return std::to_string(halfDays / 2) + (halfDays % 2 ? ".5" : "");
}

std::vector<std::string> Cells(const Row& row) {
    using worktime::FormatHours;
    std::vector<std::string> c(std::size(texts::kReportColumns));
    c[0] = sjis::FromUtf8(row.path);
    if (!row.read) {
        c[3] = sjis::FromUtf8(row.error.Utf8());
        return c;
    }
    c[1] = row.employeeNo;
    c[2] = row.employeeName;
    if (row.monthInBook) {
        const labourlaw::Figures& f = row.figures;
        c[4] = std::to_string(row.days);
        c[5] = FormatHours(f.worked);
        c[6] = FormatHours(f.Overtime());
        c[7] = FormatHours(f.legalHolidayWork);
        c[8] = FormatHours(f.night);
        c[9] = FormatHours(f.over60);
    }
    if (row.total >= 0) c[10] = FormatHours(row.total);
    if (row.maxAverage >= 0) c[11] = Hundredths(row.maxAverage);
    c[12] = std::to_string(row.monthsOver45);
    // The texts of the rules, each once (a short break may be found on many days).
    std::vector<std::string> seen;
    for (const labourlaw::Finding& f : row.findings) {
        const std::string text = labourlaw::FindingText(f);
        if (std::find(seen.begin(), seen.end(), text) != seen.end()) continue;
        if (!seen.empty()) c[13] += ' ';
        c[13] += text;
        seen.push_back(text);
    }
    if (row.leaveLeft) c[14] = HalfDays(*row.leaveLeft);
    if (row.fiveDays) {
        c[15] = texts::kFiveDaysStatus[static_cast<int>(row.fiveDays->status)];
        c[16] = labourlaw::FormatDate(row.fiveDays->deadline);
    }
    return c;
}

std::string Csv(const std::vector<Row>& rows) {
    std::string out;
    auto line = [&](const auto& cells) {
        bool first = true;
        for (const std::string& cell : cells) {
            if (!first) out += ',';
            first = false;
            out += '"';
            for (char ch : cell) {
                if (ch == '"') out += '"';
                out += ch;
            }
            out += '"';
        }
        out += "\r\n";
    };
    line(texts::kReportColumns);
    for (const Row& r : rows) line(Cells(r));
    return out;
}

}  // namespace monthreport
