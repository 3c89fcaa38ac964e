#pragma once

#include <string>

#include "dialogs/textfieldsdlg.h"

// "デスクトップへショートカットの作成": the name of the desktop shortcut to the current book.
// OK needs a name that Shift-JIS can hold; nothing else about it is checked here.
class CShortcutDlg : public CTextFieldsDlg {
    Q_OBJECT
public:
    explicit CShortcutDlg(QWidget* parent = nullptr);

    QLineEdit* m_edit = nullptr;  // 1000
    std::string m_strName;        // Shift-JIS, empty when the dialog opens

private:
    std::optional<Problem> Check() const override;
};
