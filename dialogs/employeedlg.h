#pragma once

#include <string>

#include "dialogs/sjisfield.h"
#include "dialogs/vespindialog.h"

class CVespinDoc;
class QLineEdit;
class QPushButton;

// "社員情報の登録": the employee number and name of the book, free text stored as typed.
class CEmployeeDlg : public CVespinDialog {
    Q_OBJECT
public:
    explicit CEmployeeDlg(QWidget* parent = nullptr);

    CVespinDoc* m_pDoc = nullptr;  // set by the caller, not owned
    QPushButton* m_btnOk = nullptr;
    QPushButton* m_btnCancel = nullptr;
    QLineEdit* m_editName = nullptr;  // 1008
    QLineEdit* m_editNo = nullptr;    // 1000
    std::string m_strEmployeeNo;      // Shift-JIS
    std::string m_strEmployeeName;    // Shift-JIS

    void accept() override;

private:
    void OnInitDialog() override;

    SjisField m_noText;
    SjisField m_nameText;
};
