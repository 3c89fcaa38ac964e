#pragma once

#include <string>

#include "dialogs/vespindialog.h"
#include "framework/encoded.h"

class QLabel;
class QLineEdit;

// "パスワード入力": asked while a protected book is being opened. OK closes it only when the
// typed text equals the password of m_pDoc, the book being loaded, byte for byte; the user may try
// again as often as needed, or give up with Cancel, which refuses the open.
class CPasswordDlg : public CVespinDialog {
    Q_OBJECT
public:
    explicit CPasswordDlg(QWidget* parent = nullptr);

    Utf8Path m_strFilePath;            // the full path of the file (UTF-8), set by the caller
    QLineEdit* m_edit = nullptr;       // 1000, masked
    QLabel* m_wndFileLabel = nullptr;  // 1016
    QLabel* m_wndProtected = nullptr;  // "このファイルには、パスワードが設定されてます。"
    QLabel* m_wndEnter = nullptr;  // "パスワードを入力して下さい。"
    std::string m_strInput;        // Shift-JIS
    Utf8Path m_strFileLabel;

    void accept() override;

private:
    void OnInitDialog() override;
    // Places the controls, those below the path lowered by extra pixels.
    void Layout(int extra);
};
