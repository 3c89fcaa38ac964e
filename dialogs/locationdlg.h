#pragma once

#include <string>

#include "dialogs/vespindialog.h"

class QListWidget;
class QListWidgetItem;

// "勤務地の選択": picks one or more work locations from the settings' list and joins them
// with "・" in list order.
class CLocationDlg : public CVespinDialog {
    Q_OBJECT
public:
    explicit CLocationDlg(QWidget* parent = nullptr);

    std::string m_strResult;  // Shift-JIS; empty until OK

    QListWidget* m_listPlaces = nullptr;  // control 1013

    void accept() override;

private:
    void OnInitDialog() override;
    void OnDblClkPlaces(QListWidgetItem* item);
};
