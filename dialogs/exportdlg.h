#pragma once

#include <QFont>
#include <string>

#include "dialogs/vespindialog.h"
#include "framework/encoded.h"
#include "output/exportrules.h"

class QLabel;
class QLineEdit;
class QPushButton;

// "この月の本部提出用データの作成(CSV形式)": confirms the file name of the month selected in
// the tree and asks for the folder; after OK it hands back where the file goes (Target).
class CExportDlg : public CVespinDialog {
    Q_OBJECT
public:
    explicit CExportDlg(QWidget* parent = nullptr);

    QFont m_fontTitle;
    int m_nMonth = -1;                    // 1..12
    int m_nYear = -1;                     // calendar year of the month
    QLabel* m_wndTitle = nullptr;         // 1004
    QLineEdit* m_editFolder = nullptr;    // 1008
    QLineEdit* m_editFileName = nullptr;  // 1000
    QPushButton* m_btnChoose = nullptr;   // 1009 "選択..."
    Sjis m_strTitle;
    Utf8Path m_strFileName;  // a path component
    Utf8Path m_strFolder;

    // The month offered (set when the dialog is shown) and, after OK, where its file goes.
    ExportMonth m_month;
    ExportTarget Target() const { return {m_strFolder, m_strFileName}; }

    // Reads the controls into the members (save) or writes the members to the controls.
    void UpdateData(bool save);
    void accept() override;
    void OnChooseFolder();

private:
    void OnInitDialog() override;
};
