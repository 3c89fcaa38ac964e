#pragma once

#include "dialogs/vespindialog.h"
#include "model/employment.h"

class QLineEdit;
class QTableWidget;

// 雇用情報の設定: the date of hire, the contract from each date (days a week or a year, hours a
// week) and the days already used of grants made before the book. OK checks every field with
// the core's rules, names the first that is wrong and keeps the dialog open; on success
// m_employment holds the details.
class CEmploymentDlg : public CVespinDialog {
    Q_OBJECT
public:
    explicit CEmploymentDlg(const leave::Employment& employment, QWidget* parent = nullptr);

    QLineEdit* m_editHire = nullptr;
    QTableWidget* m_contracts = nullptr;
    QTableWidget* m_opening = nullptr;
    leave::Employment m_employment;

protected:
    void accept() override;

private:
    bool Collect(leave::Employment& out);
};
