#include "dialogs/passwordsetdlg.h"

#include <QLabel>
#include <QLineEdit>

#include "framework/qt/qtstrings.h"
#include "model/texts.h"
#include "model/vespindoc.h"

CPasswordSetDlg::CPasswordSetDlg(QWidget* parent) : CVespinDialog(parent) {
    // The caption reads バスワード, as it always has.
    const DialogUnits du = SetUpTemplate(QStringLiteral("CPasswordSetDlg"),
                                         QStringLiteral("バスワードの設定・変更"), 168, 93);

    // Template order: OK, Cancel, the password, the prompt.
    AddOkCancel(du, {24, 68}, {94, 68});
    m_edit = AddEdit(du, QStringLiteral("passwordEdit"), Entry::password, {24, 38, 120, 14});
    m_wndMessage = AddLabel(du, ToQ(texts::kPasswordPromptNew), {7, 17, 154, 10});
    m_wndMessage->setObjectName(QStringLiteral("messageLabel"));
    m_wndMessage->setAlignment(Qt::AlignCenter);
}

void CPasswordSetDlg::OnInitDialog() {
    if (m_pDoc) m_strPassword = m_pDoc->Password();
    // The current password, masked: OK without typing keeps it byte for byte.
    m_passwordText.Write(m_edit, m_strPassword);
    m_wndMessage->setText(
        ToQ(m_strPassword.empty() ? texts::kPasswordPromptNew : texts::kPasswordPromptChange));
    m_edit->setFocus();
}

void CPasswordSetDlg::accept() {
    if (!m_passwordText.CheckStorable(m_edit)) return;
    m_strPassword = m_passwordText.Read(m_edit);
    QDialog::accept();
}
