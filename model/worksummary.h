#pragma once

#include <optional>

#include "model/worktime.h"

class CVespinDoc;

// The month's working time from the book: above the day's rules (worktime.h) and the law's
// (labourlaw.h), which read no book themselves.
namespace worktime {

// Month `month` (1..12) of fiscal year fiscalYear under the document's rules and categories;
// nothing when the year is not registered.
std::optional<MonthSummary> SummarizeMonth(const CVespinDoc& doc, int fiscalYear, int month);

}  // namespace worktime
