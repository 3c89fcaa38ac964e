#pragma once

#include "dialogs/vespindialog.h"

class CVespinDoc;
class QLabel;
class QListWidget;
class QTableWidget;

// 36協定の状況: the agreement year holding a month, month by month (時間外, 休日, their sum and
// its 2–6-month averages), the year's totals and the months over 45 hours, and what the law's
// limits say about them, in red.
class CAgreementDlg : public CVespinDialog {
    Q_OBJECT
public:
    // The agreement year of the agreement month that starts in month `month` of fiscal year
    // fiscalYear.
    CAgreementDlg(const CVespinDoc& doc, int fiscalYear, int month, QWidget* parent = nullptr);

    QTableWidget* m_months = nullptr;  // a row per month, then the year's
    QLabel* m_yearLine = nullptr;      // the months over 45 hours and the limits
    QListWidget* m_findings = nullptr;
};
