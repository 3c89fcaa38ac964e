#include "dialogs/employeedlg.h"

#include <QLineEdit>

#include "model/checks.h"
#include "model/vespindoc.h"

CEmployeeDlg::CEmployeeDlg(QWidget* parent) : CTextFieldsDlg(parent) {
    const DialogUnits du =
        SetUpTemplate(QStringLiteral("CEmployeeDlg"), QStringLiteral("社員情報の登録"), 186, 111);

    // Template order, which is also the tab order: OK, Cancel, number, name.
    AddOkCancel(du, {129, 7}, {129, 24});
    AddLabel(du, QStringLiteral("社員№"), {13, 33, 30, 8});
    AddLabel(du, QStringLiteral("氏名"), {13, 64, 30, 8});
    m_editNo = AddEdit(du, QStringLiteral("numberEdit"), Entry::ascii, {45, 31, 70, 14});
    m_editName = AddEdit(du, QStringLiteral("nameEdit"), Entry::japanese, {45, 62, 100, 14});

    // Enter moves on like Tab everywhere but on the two buttons.
    MoveOnWithEnter({m_editNo, m_editName});
    BindField(m_editNo, m_strEmployeeNo);
    BindField(m_editName, m_strEmployeeName);
}

void CEmployeeDlg::OnInitDialog() {
    if (m_pDoc) {
        m_strEmployeeNo = m_pDoc->EmployeeNo();
        m_strEmployeeName = m_pDoc->EmployeeName();
    }
    CTextFieldsDlg::OnInitDialog();
}

std::optional<CTextFieldsDlg::Problem> CEmployeeDlg::Check() const {
    const EmployeeCheckResult check = CheckEmployee(m_strEmployeeNo, m_strEmployeeName);
    if (check.focus == EmployeeField::none) return std::nullopt;
    return Problem{check.message, check.focus == EmployeeField::number ? m_editNo : m_editName};
}
