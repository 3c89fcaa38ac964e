#pragma once

#include "dialogs/vespindialog.h"
#include "model/paidleave.h"

class CVespinDoc;
class QLabel;
class QTableWidget;

// 有給休暇管理簿: per base date the days granted, used, lapsed and left, the dates taken, the
// five days of each year with their deadline and status, and what the ledger cannot accept,
// as of one day. 印刷 (m_btnPrint, greyed before the first grant) is the caller's to wire.
class CLeaveLedgerDlg : public CVespinDialog {
    Q_OBJECT
public:
    CLeaveLedgerDlg(const CVespinDoc& doc, int asOf, QWidget* parent = nullptr);

    QLabel* m_balance = nullptr;
    QTableWidget* m_grants = nullptr;
    QTableWidget* m_takes = nullptr;
    QTableWidget* m_obligations = nullptr;
    QTableWidget* m_problems = nullptr;
};
