#pragma once

#include <string>

#include "dialogs/vespindialog.h"

class CVespinDoc;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// "勤務地の選択": picks one or more work locations from the settings' list and joins them
// with "・" in list order.
class CLocationDlg : public CVespinDialog {
    Q_OBJECT
public:
    explicit CLocationDlg(QWidget* parent = nullptr);

    CVespinDoc* m_pDoc = nullptr;  // set by the caller, not owned
    std::string m_strResult;       // Shift-JIS; empty until OK

    QListWidget* m_listPlaces = nullptr;  // control 1013

    void accept() override;

private:
    void OnInitDialog() override;
    void OnDblClkPlaces(QListWidgetItem* item);

    QPushButton* m_btnOk = nullptr;
    QPushButton* m_btnCancel = nullptr;
};
