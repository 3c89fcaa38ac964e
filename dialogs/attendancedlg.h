#pragma once

#include <QFont>
#include <cstdint>
#include <string>

#include "dialogs/sjisfield.h"
#include "dialogs/vespindialog.h"
#include "framework/encoded.h"
#include "model/dayrecord.h"

enum class AttendanceField;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "勤怠情報のセット": the attendance category, arrival and departure times and work locations of
// one day. The caller fills the members, runs the dialog and, after OK, stores m_nCategory and
// the three texts into the day.
class CAttendanceDlg : public CVespinDialog {
    Q_OBJECT
public:
    explicit CAttendanceDlg(QWidget* parent = nullptr);

    int32_t m_nDayType = 1;  // 1 weekday, 2 Saturday, 3 Sunday or holiday: the colours
    QFont m_fontHeading;
    QFont m_fontDate;
    int32_t m_nCurSel = -1;  // the category entry as far as the dialog knows it

    QLabel* m_wndDate = nullptr;           // 1004
    QLabel* m_wndHeading = nullptr;        // 1015
    QLineEdit* m_editLocations = nullptr;  // 1011
    QLineEdit* m_editDeparture = nullptr;  // 1008
    QLineEdit* m_editArrival = nullptr;    // 1000
    QComboBox* m_comboCategory = nullptr;  // 1007

    // Shift-JIS texts.
    Sjis m_strDate;
    std::string m_strArrival;
    std::string m_strDeparture;
    std::string m_strLocations;
    int32_t m_nCategory = -1;  // list index, -1 for none

    QPushButton* m_btnClear = nullptr;          // 1014
    QPushButton* m_btnArrivalNow = nullptr;     // 1009
    QPushButton* m_btnDepartureNow = nullptr;   // 1010
    QPushButton* m_btnPickLocations = nullptr;  // 1012

    // The entry the members hold, as the book stores it.
    DayEntry Entry() const { return {m_nCategory, m_strArrival, m_strDeparture, m_strLocations}; }

    // true: controls into members; false: members into controls.
    void UpdateData(bool save);

    void accept() override;

private:
    void OnInitDialog() override;
    void ApplyDayTypeColours();
    void OnArrivalNow();
    void OnDepartureNow();
    void OnSelChangeCategory(int index);
    void OnPickLocations();
    void OnClear();
    QWidget* FieldWidget(AttendanceField field) const;

    SjisField m_arrivalText;
    SjisField m_departureText;
    SjisField m_locationsText;
};
