#pragma once

#include <string>
#include <vector>

class CVespinDoc;

// vpxtool's commands of paid leave. Each returns the tool's exit code (tools/toolexit.h); the
// setters change the opened book, which the caller then saves.
namespace leavetool {

// hired BOOK YYYY-MM-DD
int SetHired(CVespinDoc& doc, const std::vector<std::string>& args);
// contract BOOK FROM DAYS_PER_WEEK|yDAYS_PER_YEAR HOURS_PER_WEEK
int SetContract(CVespinDoc& doc, const std::vector<std::string>& args);
// leave-used BOOK GRANT_DATE DAYS
int SetLeaveUsed(CVespinDoc& doc, const std::vector<std::string>& args);
// ledger BOOK YYYY-MM-DD OUT.pdf: the printed ledger of the grant year containing the date.
int WriteLedger(const CVespinDoc& doc, const std::vector<std::string>& args);
// leave BOOK [YYYY-MM-DD]: the ledger as JSON on stdout.
int PrintLeave(const CVespinDoc& doc, const std::vector<std::string>& args);

}  // namespace leavetool
