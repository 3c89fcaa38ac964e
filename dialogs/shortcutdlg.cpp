#include "dialogs/shortcutdlg.h"

#include <QLineEdit>

#include "framework/qt/messagebox.h"
#include "model/texts.h"

CShortcutDlg::CShortcutDlg(QWidget* parent) : CVespinDialog(parent) {
    const DialogUnits du =
        SetUpTemplate(QStringLiteral("CShortcutDlg"),
                      QStringLiteral("デスクトップへショートカットの作成"), 210, 114);

    // Template order: OK, Cancel, label, name.
    AddOkCancel(du, {153, 7}, {153, 24});
    AddLabel(du, QStringLiteral("ショートカットの名前"), {14, 42, 120, 8});
    m_edit = AddEdit(du, QStringLiteral("nameEdit"), Entry::japanese, {14, 54, 130, 14});
}

void CShortcutDlg::OnInitDialog() {
    m_nameText.Write(m_edit, m_strName);
    m_edit->setFocus();
}

void CShortcutDlg::accept() {
    // The name is kept as Shift-JIS like every text; a character it cannot hold is refused,
    // never turned into "?" in the shortcut's file name.
    if (!m_nameText.CheckStorable(m_edit)) return;
    m_strName = m_nameText.Read(m_edit);
    if (m_strName.empty()) {
        VespinMessageBox(texts::kShortcutNameMissing, MsgKind::ok, this);
        m_edit->setFocus();
        return;
    }
    QDialog::accept();
}
