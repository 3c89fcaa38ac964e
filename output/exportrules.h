#pragma once

#include <optional>
#include <string>

class CVespinDoc;

// The rules of the export dialog and command that need no window.

// The month a month item of the tree stands for.
struct ExportMonth {
    int fiscalYear = -1;
    int month = -1;         // 1..12
    int calendarYear = -1;  // fiscal year + 1 for January to March
};

// The selected month, or nothing when the selection is not a month of a registered year.
std::optional<ExportMonth> SelectedExportMonth(const CVespinDoc& doc);
// The month the export dialog offers: the selected month, else month -1 of the selected fiscal
// year; doc may be nullptr.
ExportMonth ExportDialogMonth(const CVespinDoc* doc);

// What the export dialog hands back on OK.
struct ExportTarget {
    std::string folder;    // UTF-8 path
    std::string fileName;  // UTF-8, a path component
};

// Whether the export command is available: a month is selected.
bool ExportCommandEnabled(const CVespinDoc& doc);

// 社員番号_年_月.csv, numbers without leading zeros: 1234_2004_1.csv.
std::string DefaultExportFileName(const std::string& employeeNo, int calendarYear, int month);
// The dialog's title line: 2004年度 1月 のデータを出力します。
std::string ExportTitle(int calendarYear, int month);

enum class ExportField { none, fileName, folder };

struct ExportCheck {
    ExportField focus = ExportField::none;  // none: passed
    std::string message;                    // Shift-JIS
};

// The OK checks that precede the question about an existing file, in their order: file name
// given, folder given, extension .csv in any case.
ExportCheck CheckExportInput(const std::string& fileName, const std::string& folder);

// The extension of the last path component, from its last dot, lower-cased (ASCII only);
// empty when there is no dot.
std::string LowerExtension(const std::string& path);

// folder + "/" + file name; a folder that already ends in "/" (such as "/") gets no second one.
std::string ExportPath(const std::string& folder, const std::string& fileName);

// True when path can be opened for reading: the dialog then asks before overwriting it.
bool ExportFileExists(const std::string& path);

// "%d件のデータを出力しました。"
std::string ExportCountMessage(int count);
