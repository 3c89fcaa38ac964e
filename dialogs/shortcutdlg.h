#pragma once

#include <string>

#include "dialogs/sjisfield.h"
#include "dialogs/vespindialog.h"

class QLineEdit;

// "デスクトップへショートカットの作成": the name of the desktop shortcut to the current book.
// OK needs a name that Shift-JIS can hold; nothing else about it is checked here.
class CShortcutDlg : public CVespinDialog {
    Q_OBJECT
public:
    explicit CShortcutDlg(QWidget* parent = nullptr);

    QLineEdit* m_edit = nullptr;  // 1000
    std::string m_strName;        // Shift-JIS, empty when the dialog opens

    void accept() override;

private:
    void OnInitDialog() override;

    SjisField m_nameText;
};
