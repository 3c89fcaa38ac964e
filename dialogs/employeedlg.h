#pragma once

#include <string>

#include "dialogs/sjisfield.h"
#include "dialogs/vespindialog.h"

class QLineEdit;

// "社員情報の登録": the employee number and name of the book, free text stored as typed.
class CEmployeeDlg : public CVespinDialog {
    Q_OBJECT
public:
    explicit CEmployeeDlg(QWidget* parent = nullptr);

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
