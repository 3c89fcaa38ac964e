#include "dialogs/passwordsetdlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/dialogunits.h"
#include "framework/qt/qtstrings.h"
#include "model/texts.h"
#include "model/vespindoc.h"

CPasswordSetDlg::CPasswordSetDlg(QWidget* parent) : CVespinDialog(parent) {
    setObjectName(QStringLiteral("CPasswordSetDlg"));
    // The caption reads バスワード, as it always has.
    setWindowTitle(QStringLiteral("バスワードの設定・変更"));
    setFont(DialogFont(11));
    const DialogUnits du(font());
    setFixedSize(du.Size(168, 93));

    // Template order: OK, Cancel, the password, the prompt.
    m_btnOk = new QPushButton(QStringLiteral("OK"), this);
    m_btnOk->setObjectName(QStringLiteral("okButton"));
    m_btnOk->setDefault(true);
    du.Place(m_btnOk, 24, 68, 50, 14);

    m_btnCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    m_btnCancel->setObjectName(QStringLiteral("cancelButton"));
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

    connect(m_btnOk, &QPushButton::clicked, this, &CPasswordSetDlg::accept);
    connect(m_btnCancel, &QPushButton::clicked, this, &CPasswordSetDlg::reject);
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
