#include "dialogs/shortcutdlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <tuple>

#include "dialogs/dialogunits.h"
#include "framework/qt/messagebox.h"
#include "framework/qt/qtstrings.h"
#include "model/texts.h"

CShortcutDlg::CShortcutDlg(QWidget* parent) : CVespinDialog(parent) {
    const DialogUnits du = SetUpTemplate(QStringLiteral("CShortcutDlg"),
                                         QStringLiteral("デスクトップへショートカットの作成"), 210, 114);

    // Template order: OK, Cancel, label, name.
    std::tie(m_btnOk, m_btnCancel) = AddOkCancel();
    du.Place(m_btnOk, 153, 7, 50, 14);
    du.Place(m_btnCancel, 153, 24, 50, 14);

    auto* label = new QLabel(QStringLiteral("ショートカットの名前"), this);
    du.Place(label, 14, 42, 120, 8);

    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("nameEdit"));
    // A Japanese text field: the input method may be used.
    m_edit->setAttribute(Qt::WA_InputMethodEnabled, true);
    du.Place(m_edit, 14, 54, 130, 14);

    setTabOrder(m_btnOk, m_btnCancel);
    setTabOrder(m_btnCancel, m_edit);

}

void CShortcutDlg::OnInitDialog() {
    m_edit->setText(ToQ(m_strName));
    m_edit->setFocus();
}

void CShortcutDlg::accept() {
    m_strName = FromQ(m_edit->text());
    if (m_strName.empty()) {
        VespinMessageBox(texts::kShortcutNameMissing, MsgKind::ok, this);
        m_edit->setFocus();
        return;
    }
    QDialog::accept();
}
