#include "dialogs/textfieldsdlg.h"

#include <QLineEdit>

#include "framework/qt/messagebox.h"

void CTextFieldsDlg::BindField(QLineEdit* edit, std::string& text) {
    m_fields.push_back({edit, &text, {}});
}

void CTextFieldsDlg::OnInitDialog() {
    for (Field& f : m_fields) f.shown.Write(f.edit, *f.text);
    if (!m_fields.empty()) m_fields.front().edit->setFocus();
}

void CTextFieldsDlg::accept() {
    // A character Shift-JIS cannot hold is refused, never turned into "?" behind the user's back.
    for (const Field& f : m_fields)
        if (!f.shown.CheckStorable(f.edit)) return;
    for (const Field& f : m_fields) *f.text = f.shown.Read(f.edit);
    if (const std::optional<Problem> problem = Check()) {
        VespinMessageBox(problem->message, MsgKind::ok, this);
        problem->field->setFocus();
        return;
    }
    QDialog::accept();
}
