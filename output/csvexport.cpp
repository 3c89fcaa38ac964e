#include "output/csvexport.h"

#include <algorithm>
#include <cstdio>

#include "model/dayrecord.h"
#include "model/vespindoc.h"

namespace {

void AppendQuoted(std::string& line, const std::string& value) {
    line += '"';
    line += value;
    line += '"';
}

std::string Number(const char* format, int value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, format, value);
    return buf;
}

}  // namespace

std::string CsvTime(const std::string& t) {
    if (t.size() != 5) return t;
    return t.substr(0, 2) + ":" + t.substr(3, 2);
}

std::string CsvLine(const std::string& employeeNo, int calendarYear, int month,
                    const CDayRecord& day, const std::array<std::string, 10>& codes) {
    const int32_t category = day.GetCategory();
    const std::string noCode;
    const std::string& code =
        category >= 0 && category < 10 ? codes[static_cast<size_t>(category)] : noCode;
    std::string line;
    AppendQuoted(line, employeeNo);
    line += ',';
    AppendQuoted(line, Number("%.4d", calendarYear));
    line += ',';
    AppendQuoted(line, Number("%.2d", month));
    line += ',';
    AppendQuoted(line, Number("%.2d", day.GetDay()));
    line += ',';
    AppendQuoted(line, code);
    line += ',';
    AppendQuoted(line, CsvTime(day.Start()));
    line += ',';
    AppendQuoted(line, CsvTime(day.End()));
    line += ',';
    AppendQuoted(line, day.Place());
    line += "\r\n";
    return line;
}

CsvText BuildCsv(const CVespinDoc& doc, int first, int last, int calendarYear, int month) {
    CsvText out;
    if (first < 0) return out;
    const int end = std::min(last, doc.Days().GetSize() - 1);
    for (int i = first; i <= end; ++i) {
        const CDayRecord& day = *doc.Days()[i];
        if (day.GetCategory() == -1) continue;
        out.bytes +=
            CsvLine(doc.EmployeeNo(), calendarYear, month, day, doc.Settings().m_astrCategoryCodes);
        ++out.count;
    }
    return out;
}

CsvWriteResult WriteCsv(const CVespinDoc& doc, int first, int last, int calendarYear, int month,
                        const std::string& path, const WriteFault& fault) {
    const CsvText text = BuildCsv(doc, first, last, calendarYear, month);
    CsvWriteResult result;
    const SaveResult saved = SaveFileAtomic(path, text.bytes, fault);
    if (!saved) {
        result.cause = saved.cause;
        return result;
    }
    result.count = text.count;
    return result;
}
