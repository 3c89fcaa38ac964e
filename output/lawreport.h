#pragma once

#include <string>
#include <vector>

class CVespinDoc;

// The law's figures as lines and tables of text (Shift-JIS): what 36協定の状況 shows and what
// the printed pages of it and of 月の集計 hold, laid out once for the screen and the paper.
namespace lawreport {

struct TableRow {
    std::vector<std::string> cells;
    std::vector<bool> red;  // a cell over its limit
    bool total = false;     // the year's row
};

struct AgreementTable {
    std::string title;   // 36協定の状況 and the year's first and last day
    std::string limits;  // the agreed limits
    std::vector<std::string> columns;
    std::vector<TableRow> rows;  // the twelve months, then the year
    std::string yearLine;        // months over 45 hours, the 34条 days
    bool yearLineRed = false;
    std::vector<std::string> findings;  // each with its month and rule
    std::string noFindings;             // shown when there are none
};

// The agreement year of the agreement month that starts in calendar month y/m.
AgreementTable AgreementTableOf(const CVespinDoc& doc, int y, int m);

// 月の集計 as printed: the month beside the fiscal year to date, the law's figures of the
// month, the days per category and the days that could not be counted.
struct SummaryPage {
    std::string title;
    std::string employee;
    std::string rules;
    std::vector<TableRow> times;  // heading row first: name, the month, the year to date
    std::vector<TableRow> law;    // heading row first: name, the month
    std::string note;             // 法定時間外 over the month's limit; empty when within
    std::vector<std::string> categories;
    std::vector<std::string> incomplete;  // "ありません" when there are none
};
SummaryPage SummaryPageOf(const CVespinDoc& doc, int fiscalYear, int month);

// 2026年5月 (the month of a finding: its first day), or the day for a day's finding.
std::string FindingWhen(int date, bool day);

}  // namespace lawreport
