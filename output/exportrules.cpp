#include "output/exportrules.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "framework/clock.h"
#include "framework/sjis.h"
#include "framework/uniquefd.h"
#include "model/texts.h"
#include "model/vespindoc.h"

std::optional<ExportMonth> SelectedExportMonth(const CVespinDoc& doc) {
    const int m = doc.SelMonth();
    if (m < 1 || m > 12 || doc.FindYear(doc.SelYear()) < 0) return std::nullopt;
    return ExportMonth{doc.SelYear(), m, CalendarYearOf(doc.SelYear(), m)};
}

ExportMonth ExportDialogMonth(const CVespinDoc* doc) {
    if (doc)
        if (const std::optional<ExportMonth> m = SelectedExportMonth(*doc)) return *m;
    // No month: the dialog still opens, with the month shown as -1.
    const int fiscalYear = doc ? doc->SelYear() : -1;
    return ExportMonth{fiscalYear, -1, CalendarYearOf(fiscalYear, -1)};
}

bool ExportCommandEnabled(const CVespinDoc& doc) {
    return doc.GetSelection().kind == Selection::Kind::month;
}

std::string DefaultExportFileName(const std::string& employeeNo, int calendarYear, int month) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "_%d_%d.csv", calendarYear, month);
    return sjis::ToUtf8(employeeNo) + buf;
}

std::string ExportTitle(int calendarYear, int month) {
    char buf[128];
    std::snprintf(buf, sizeof buf, texts::kExportTitleFormat.c_str(), calendarYear, month);
    return buf;
}

std::string LowerExtension(const std::string& path) {
    const size_t slash = path.rfind('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot < nameStart) return {};
    std::string ext = path.substr(dot);
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return ext;
}

std::string ExportPath(const std::string& folder, const std::string& fileName) {
    if (!folder.empty() && folder.back() == '/') return folder + fileName;
    return folder + "/" + fileName;
}

ExportCheck CheckExportInput(const std::string& fileName, const std::string& folder) {
    if (fileName.empty()) return {ExportField::fileName, texts::kExportNoFileName};
    if (folder.empty()) return {ExportField::folder, texts::kExportNoFolder};
    if (LowerExtension(ExportPath(folder, fileName)) != ".csv")
        return {ExportField::fileName, texts::kExportExtension};
    return {};
}

bool ExportFileExists(const std::string& path) {
    return static_cast<bool>(UniqueFd(::open(path.c_str(), O_RDONLY | O_CLOEXEC)));
}

std::string ExportCountMessage(int count) {
    char buf[128];
    std::snprintf(buf, sizeof buf, texts::kExportCount.c_str(), count);
    return buf;
}
