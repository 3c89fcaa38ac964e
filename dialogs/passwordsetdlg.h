#pragma once

#include <string>

#include "dialogs/sjisfield.h"
#include "dialogs/vespindialog.h"

class QLabel;
class QLineEdit;

// "バスワードの設定・変更": gives the book a password, changes it, or removes it (empty).
// Whatever is typed is taken; the document stores it and marks the book modified.
class CPasswordSetDlg : public CVespinDialog {
    Q_OBJECT
public:
    explicit CPasswordSetDlg(QWidget* parent = nullptr);

    QLineEdit* m_edit = nullptr;     // 1000, masked
    QLabel* m_wndMessage = nullptr;  // 1016
    std::string m_strPassword;       // Shift-JIS

    void accept() override;

private:
    void OnInitDialog() override;

    SjisField m_passwordText;
};
