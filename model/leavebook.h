#pragma once

#include <vector>

#include "model/paidleave.h"

class CVespinDoc;

// The paid-leave ledger of a book: its days under the categories' meanings (line 10 of the
// settings) and the company's grant policy.
namespace leave {

// Every registered day in date order: weekdays (type 1) are the working days unless a day is
// marked otherwise; a category
// means what line 10 says, else with times it is 出勤 and without 欠勤; a working day left
// blank is 欠勤.
std::vector<Day> BookDays(const CVespinDoc& doc);
// The employee's details kept in the book's extension (none: empty details).
Employment BookEmployment(const CVespinDoc& doc);
// Keeps them in the extension and marks the book modified.
void SetBookEmployment(CVespinDoc& doc, const Employment& employment);
Policy BookPolicy(const CVespinDoc& doc);
Ledger BookLedger(const CVespinDoc& doc, int asOf);

}  // namespace leave
