#pragma once

#include <string>

#include "dialogs/sjisfield.h"
#include "dialogs/vespindialog.h"

class CVespinDoc;
class QLabel;
class QLineEdit;
class QPushButton;

// "バスワードの設定・変更": gives the book a password, changes it, or removes it (empty).
// Whatever is typed is taken; the document stores it and marks the book modified.
class CPasswordSetDlg : public CVespinDialog {
    Q_OBJECT
public:
    explicit CPasswordSetDlg(QWidget* parent = nullptr);

    CVespinDoc* m_pDoc = nullptr;  // set by the caller, not owned
    QPushButton* m_btnOk = nullptr;
    QPushButton* m_btnCancel = nullptr;
    QLineEdit* m_edit = nullptr;     // 1000, masked
    QLabel* m_wndMessage = nullptr;  // 1016
    std::string m_strPassword;       // Shift-JIS
    std::string m_strMessage;        // Shift-JIS

    void accept() override;

private:
    void OnInitDialog() override;

    SjisField m_passwordText;
};
