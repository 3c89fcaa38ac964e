#pragma once

#include <string>
#include <vector>

class CVespinDoc;

// vpxtool's commands of working time as the law counts it. Each returns the tool's exit code
// (tools/toolexit.h).
namespace lawcommands {

// hours BOOK FROM TO: the statutory figures of the days, wage months and agreement months and
// years of [FROM, TO] with the findings, as JSON on stdout.
int PrintHours(const CVespinDoc& doc, const std::vector<std::string>& args);
// day-flags BOOK YYYY-MM-DD [legal-holiday=yes|no|auto] [workday=yes|no|auto]
int SetDayFlags(CVespinDoc& doc, const std::vector<std::string>& args);

}  // namespace lawcommands
