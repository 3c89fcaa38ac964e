#pragma once

#include <array>
#include <string>

#include "framework/fileerror.h"
#include "framework/savefile.h"

class CDayRecord;
class CVespinDoc;

// The head-office CSV of one month: one line per filled-in day, eight quoted fields, values
// written exactly as held (Shift-JIS, no escaping), CR LF after every line, no byte-order mark.

// A time as written to the file: a 5-byte text is re-joined around an ASCII colon, anything
// else (empty included) goes out unchanged.
std::string CsvTime(const std::string& t);

// The line of one day, CR LF included. calendarYear and month are the month's own (January of
// fiscal year 2003 is 2004, 1). A category index that names no code slot gives an empty code
// rather than reading past the ten codes.
std::string CsvLine(const std::string& employeeNo, int calendarYear, int month,
                    const CDayRecord& day, const std::array<std::string, 10>& codes);

struct CsvText {
    std::string bytes;
    int count = 0;  // lines
};

// The lines of day indices first..last of doc.Days(), skipping days without a category.
// Indices outside the day list are ignored.
CsvText BuildCsv(const CVespinDoc& doc, int first, int last, int calendarYear, int month);

struct CsvWriteResult {
    int count = 0;                      // lines written
    FileError cause = FileError::none;  // why the file could not be created or written
    explicit operator bool() const { return cause == FileError::none; }
};

// Writes the month's lines to path (UTF-8), replacing a file that is there. The file is
// written beside the target and renamed over it, so a failure leaves any previous file as it
// was and never a part of the month. The test seam is the one of the atomic save.
CsvWriteResult WriteCsv(const CVespinDoc& doc, int first, int last, int calendarYear, int month,
                        const std::string& path, const WriteFault& fault = nullptr);
