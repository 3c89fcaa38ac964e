#include "dialogs/shortcutdlg.h"

#include <QLineEdit>

#include "model/texts.h"

CShortcutDlg::CShortcutDlg(QWidget* parent) : CTextFieldsDlg(parent) {
    const DialogUnits du =
        SetUpTemplate(QStringLiteral("CShortcutDlg"),
                      QStringLiteral("デスクトップへショートカットの作成"), 210, 114);

    // Template order: OK, Cancel, label, name.
    AddOkCancel(du, {153, 7}, {153, 24});
    AddLabel(du, QStringLiteral("ショートカットの名前"), {14, 42, 120, 8});
    m_edit = AddEdit(du, QStringLiteral("nameEdit"), Entry::japanese, {14, 54, 130, 14});
    BindField(m_edit, m_strName);
}

// The name is kept as Shift-JIS like every text: a character it cannot hold never becomes "?"
// in the shortcut's file name.
std::optional<CTextFieldsDlg::Problem> CShortcutDlg::Check() const {
    if (m_strName.empty()) return Problem{texts::kShortcutNameMissing, m_edit};
    return std::nullopt;
}
