#include "dialogs/passwordsetdlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <tuple>

#include "dialogs/dialogunits.h"
#include "framework/qt/qtstrings.h"
#include "model/texts.h"
#include "model/vespindoc.h"

CPasswordSetDlg::CPasswordSetDlg(QWidget* parent) : CVespinDialog(parent) {
    // The caption reads バスワード, as it always has.
    const DialogUnits du =
        SetUpTemplate(QStringLiteral("CPasswordSetDlg"), QStringLiteral("バスワードの設定・変更"), 168, 93);

    // Template order: OK, Cancel, the password, the prompt.
    std::tie(m_btnOk, m_btnCancel) = AddOkCancel();
    du.Place(m_btnOk, 24, 68, 50, 14);
    du.Place(m_btnCancel, 94, 68, 50, 14);

    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("passwordEdit"));
    m_edit->setEchoMode(QLineEdit::Password);
    du.Place(m_edit, 24, 38, 120, 14);

    m_wndMessage = new QLabel(ToQ(texts::kPasswordPromptNew), this);
    m_wndMessage->setObjectName(QStringLiteral("messageLabel"));
    m_wndMessage->setAlignment(Qt::AlignCenter);
    du.Place(m_wndMessage, 7, 17, 154, 10);

    setTabOrder(m_btnOk, m_btnCancel);
    setTabOrder(m_btnCancel, m_edit);

}

void CPasswordSetDlg::OnInitDialog() {
    if (m_pDoc) m_strPassword = m_pDoc->m_strPassword;
    m_strMessage = m_strPassword.empty() ? texts::kPasswordPromptNew : texts::kPasswordPromptChange;
    // The current password, masked: OK without typing keeps it byte for byte.
    m_passwordText.Write(m_edit, m_strPassword);
    m_wndMessage->setText(ToQ(m_strMessage));
    m_edit->setFocus();
}

void CPasswordSetDlg::accept() {
    if (!m_passwordText.CheckStorable(m_edit)) return;
    m_strPassword = m_passwordText.Read(m_edit);
    QDialog::accept();
}
