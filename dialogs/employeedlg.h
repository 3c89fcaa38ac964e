#pragma once

#include <string>

#include "dialogs/textfieldsdlg.h"

// "社員情報の登録": the employee number and name of the book, free text stored as typed.
class CEmployeeDlg : public CTextFieldsDlg {
    Q_OBJECT
public:
    explicit CEmployeeDlg(QWidget* parent = nullptr);

    QLineEdit* m_editName = nullptr;  // 1008
    QLineEdit* m_editNo = nullptr;    // 1000
    std::string m_strEmployeeNo;      // Shift-JIS
    std::string m_strEmployeeName;    // Shift-JIS

private:
    void OnInitDialog() override;
    std::optional<Problem> Check() const override;
};
