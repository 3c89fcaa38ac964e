#pragma once

#include <atomic>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/fileerror.h"
#include "framework/uitext.h"
#include "model/labourlaw.h"
#include "model/paidleave.h"

// The office's view of one wage month across many books: a row per book with the figures of
// the law's hours and of the paid-leave ledger. Books are only read: never written, never
// locked, never waited for.
namespace monthreport {

// A wage month, named by the month it starts in (with a wage month from the 21st, 2026-04 is
// 4/21-5/20); the agreement month of the row starts in the same calendar month.
struct Month {
    int year = 0;
    int month = 0;
};
// YYYY-MM; nothing else.
std::optional<Month> ParseMonth(std::string_view text);

struct FiveDays {
    leave::Status status = leave::Status::pending;
    int deadline = 0;  // day number
};

struct Row {
    std::string path;  // UTF-8, as given or found
    bool read = false;
    UiText error;                          // why the book could not be read
    std::string employeeNo, employeeName;  // Shift-JIS
    bool monthInBook = false;              // the wage month has registered days
    int days = 0;                          // days worked in it
    labourlaw::Figures figures;            // of the wage month
    int total = -1;                        // 時間外 + 休日 of the agreement month; -1 outside
    int maxAverage = -1;   // the highest 2-6-month average, hundredths of an hour; -1 none
    int monthsOver45 = 0;  // in the agreement year, up to and including the month
    std::vector<labourlaw::Finding> findings;
    std::optional<int> leaveLeft;  // half days; none without a date of hire
    std::optional<FiveDays> fiveDays;
};

// What to read: a book, or a place that could not be listed (its error set).
struct Source {
    std::string path;
    FileError error = FileError::none;
};

// The books of the arguments in order: a file as it is; a folder's *.vpx files (any case of the
// extension) at any depth, by name, without following links to folders.
std::vector<Source> CollectBooks(const std::vector<std::string>& args);

struct Options {
    std::string settingsPath;             // empty: where the program looks for them
    std::optional<std::string> password;  // Shift-JIS; one for every protected book
    unsigned threads = 0;                 // 0: one per core
};

// Reads every source into its row, in the order given. `done` counts finished rows; with
// `cancel` set, the books not yet begun are left unread (their rows hold the path alone).
std::vector<Row> ReadAll(const std::vector<Source>& sources, Month month, const Options& options,
                         std::atomic<size_t>* done = nullptr,
                         const std::atomic<bool>* cancel = nullptr);

// The five-day duty the month's row shows: of the obligations running in the month, the first
// not met, else the one ending last.
std::optional<FiveDays> MonthFiveDays(const std::vector<leave::Obligation>& obligations,
                                      int monthStart, int monthEnd);

// The rules of the row's findings, each once, in the order found.
std::vector<labourlaw::Rule> FindingRules(const Row& row);
// Hours with two decimals from hundredths: "81.25".
std::string Hundredths(int hundredths);
// Days from half days: "10", "7.5".
std::string HalfDays(int halfDays);

// The row's cells as the table shows them (Shift-JIS), in the order of texts::kReportColumns;
// empty where there is nothing to show.
std::vector<std::string> Cells(const Row& row);
// The table as CSV in Shift-JIS, as Excel in Japan opens a CSV file: a heading line, every
// field quoted, lines ending in CR LF.
std::string Csv(const std::vector<Row>& rows);

}  // namespace monthreport
