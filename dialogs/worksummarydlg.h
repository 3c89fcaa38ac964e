#pragma once

#include <map>

#include "dialogs/vespindialog.h"

class CVespinDoc;
class QLabel;
class QListWidget;
class QListWidgetItem;

// 月の集計: the working time of one month beside its fiscal year to date, the days per
// category and the days that could not be counted. Double-clicking one of those closes the
// dialog with that day in m_nOpenDay, for the caller to open its entry.
class CWorkSummaryDlg : public CVespinDialog {
    Q_OBJECT
public:
    CWorkSummaryDlg(const CVespinDoc& doc, int fiscalYear, int month, QWidget* parent = nullptr);

    // The figure in row `name` ("days", "span", "break", "worked", "overtime", "night",
    // "holidayWork") of the month (column 0) or the year to date (column 1); the law's figures
    // of the month ("withinStatutory", "overtimeLaw", "overtimeDaily", "overtimeWeekly",
    // "legalHolidayWork", "otherHolidayWork", "lawNight", "over60", "breakShort") in column 0.
    QLabel* Figure(const QString& name, int column) const;

    QLabel* m_overtimeNote = nullptr;
    QListWidget* m_listIncomplete = nullptr;
    int m_nOpenDay = -1;  // day index chosen from the incomplete days, -1 for none

private:
    void OnIncompleteDoubleClicked(QListWidgetItem* item);

    std::map<QString, QLabel*> m_figures;
};
