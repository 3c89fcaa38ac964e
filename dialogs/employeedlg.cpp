#include "dialogs/employeedlg.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/dialogunits.h"
#include "framework/qt/messagebox.h"
#include "model/checks.h"
#include "model/vespindoc.h"

CEmployeeDlg::CEmployeeDlg(QWidget* parent) : CVespinDialog(parent) {
    setObjectName(QStringLiteral("CEmployeeDlg"));
    setWindowTitle(QStringLiteral("社員情報の登録"));
    setFont(DialogFont(11));
    const DialogUnits du(font());
    setFixedSize(du.Size(186, 111));

    // Template order, which is also the tab order: OK, Cancel, number, name.
    m_btnOk = new QPushButton(QStringLiteral("OK"), this);
    m_btnOk->setObjectName(QStringLiteral("okButton"));
    m_btnOk->setDefault(true);
    du.Place(m_btnOk, 129, 7, 50, 14);

    m_btnCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    m_btnCancel->setObjectName(QStringLiteral("cancelButton"));
    du.Place(m_btnCancel, 129, 24, 50, 14);

    auto* label = new QLabel(QStringLiteral("社員№"), this);
    du.Place(label, 13, 33, 30, 8);
    label = new QLabel(QStringLiteral("氏名"), this);
    du.Place(label, 13, 64, 30, 8);

    m_editNo = new QLineEdit(this);
    m_editNo->setObjectName(QStringLiteral("numberEdit"));
    m_editNo->setAttribute(Qt::WA_InputMethodEnabled, false);
    du.Place(m_editNo, 45, 31, 70, 14);

    m_editName = new QLineEdit(this);
    m_editName->setObjectName(QStringLiteral("nameEdit"));
    m_editName->setAttribute(Qt::WA_InputMethodEnabled, true);
    du.Place(m_editName, 45, 62, 100, 14);

    setTabOrder(m_btnOk, m_btnCancel);
    setTabOrder(m_btnCancel, m_editNo);
    setTabOrder(m_editNo, m_editName);

    // Enter moves on like Tab everywhere but on the two buttons.
    MoveOnWithEnter({m_editNo, m_editName});

    connect(m_btnOk, &QPushButton::clicked, this, &CEmployeeDlg::accept);
    connect(m_btnCancel, &QPushButton::clicked, this, &CEmployeeDlg::reject);
}

void CEmployeeDlg::OnInitDialog() {
    if (m_pDoc) {
        m_strEmployeeNo = m_pDoc->m_strEmployeeNo;
        m_strEmployeeName = m_pDoc->m_strEmployeeName;
    }
    m_noText.Write(m_editNo, m_strEmployeeNo);
    m_nameText.Write(m_editName, m_strEmployeeName);
    m_editNo->setFocus();
}

void CEmployeeDlg::accept() {
    if (!m_noText.CheckStorable(m_editNo) || !m_nameText.CheckStorable(m_editName)) return;
    m_strEmployeeNo = m_noText.Read(m_editNo);
    m_strEmployeeName = m_nameText.Read(m_editName);
    const EmployeeCheckResult check = CheckEmployee(m_strEmployeeNo, m_strEmployeeName);
    if (check.focus == EmployeeField::none) {
        QDialog::accept();
        return;
    }
    VespinMessageBox(check.message, MsgKind::ok, this);
    (check.focus == EmployeeField::number ? m_editNo : m_editName)->setFocus();
}
