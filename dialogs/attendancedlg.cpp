#include "dialogs/attendancedlg.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>

#include "dialogs/dialogunits.h"
#include "dialogs/locationdlg.h"
#include "framework/clock.h"
#include "framework/qt/messagebox.h"
#include "framework/qt/qtstrings.h"
#include "model/checks.h"
#include "model/dayrecord.h"
#include "model/texts.h"
#include "model/vespindoc.h"

namespace {

QLabel* FramedLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    return label;
}

QLineEdit* TimeOrTextEdit(QWidget* parent, bool japanese) {
    auto* edit = new QLineEdit(parent);
    // Times are typed in ASCII; the location field is Japanese text.
    edit->setAttribute(Qt::WA_InputMethodEnabled, japanese);
    return edit;
}

std::string FormatNow() {
    const LocalTime now = clock_::Now();
    char text[16];
    std::snprintf(text, sizeof text, "%.2d:%.2d", now.hour, now.minute);
    return text;
}

}  // namespace

CAttendanceDlg::CAttendanceDlg(QWidget* parent) : CVespinDialog(parent) {
    setObjectName(QStringLiteral("CAttendanceDlg"));
    setWindowTitle(QStringLiteral("勤怠情報のセット"));
    setFont(DialogFont(11));

    m_fontHeading = QFont(QStringLiteral("ＭＳ Ｐゴシック"));
    m_fontHeading.setPixelSize(18);
    m_fontHeading.setWeight(QFont::ExtraBold);
    m_fontDate = QFont(QStringLiteral("ＭＳ Ｐゴシック"));
    m_fontDate.setPixelSize(17);
    m_fontDate.setWeight(QFont::Normal);

    const DialogUnits du(font());
    setFixedSize(du.Size(230, 191));

    // Drawn first so that the time fields lie above it.
    auto* timeGroup = new QGroupBox(QStringLiteral("出社・退社時刻"), this);
    du.Place(timeGroup, 24, 68, 185, 67);

    // The controls in template order, which is also the tab order.
    m_comboCategory = new QComboBox(this);
    m_comboCategory->setObjectName(QStringLiteral("categoryList"));
    m_comboCategory->setEditable(false);
    // The template's height of 95 is the opened list's; closed it is one line.
    du.Place(m_comboCategory, 65, 43, 49, 14);

    m_editArrival = TimeOrTextEdit(this, false);
    m_editArrival->setObjectName(QStringLiteral("arrivalEdit"));
    du.Place(m_editArrival, 109, 83, 40, 14);

    m_editDeparture = TimeOrTextEdit(this, false);
    m_editDeparture->setObjectName(QStringLiteral("departureEdit"));
    du.Place(m_editDeparture, 110, 109, 40, 14);

    m_editLocations = TimeOrTextEdit(this, true);
    m_editLocations->setObjectName(QStringLiteral("locationsEdit"));
    du.Place(m_editLocations, 48, 147, 114, 14);

    m_btnOk = new QPushButton(QStringLiteral("OK"), this);
    m_btnOk->setObjectName(QStringLiteral("okButton"));
    m_btnOk->setDefault(true);
    du.Place(m_btnOk, 54, 170, 50, 14);

    m_btnCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    m_btnCancel->setObjectName(QStringLiteral("cancelButton"));
    du.Place(m_btnCancel, 124, 170, 50, 14);

    m_btnClear = new QPushButton(QStringLiteral("現在のデータの初期化"), this);
    m_btnClear->setObjectName(QStringLiteral("clearButton"));
    du.Place(m_btnClear, 128, 42, 80, 14);

    m_btnArrivalNow = new QPushButton(QStringLiteral("現在時刻"), this);
    m_btnArrivalNow->setObjectName(QStringLiteral("arrivalNowButton"));
    du.Place(m_btnArrivalNow, 157, 83, 38, 14);

    m_btnDepartureNow = new QPushButton(QStringLiteral("現在時刻"), this);
    m_btnDepartureNow->setObjectName(QStringLiteral("departureNowButton"));
    du.Place(m_btnDepartureNow, 156, 110, 39, 14);

    m_btnPickLocations = new QPushButton(QStringLiteral("一覧から選択"), this);
    m_btnPickLocations->setObjectName(QStringLiteral("pickLocationsButton"));
    du.Place(m_btnPickLocations, 168, 148, 48, 14);

    m_wndHeading = FramedLabel(this);
    m_wndHeading->setObjectName(QStringLiteral("headingLabel"));
    m_wndHeading->setText(QStringLiteral("今日の勤怠"));
    du.Place(m_wndHeading, 7, 13, 63, 15);

    m_wndDate = FramedLabel(this);
    m_wndDate->setObjectName(QStringLiteral("dateLabel"));
    du.Place(m_wndDate, 83, 15, 132, 13);

    auto* label = new QLabel(QStringLiteral("出勤区分"), this);
    du.Place(label, 25, 45, 31, 8);
    label = new QLabel(QStringLiteral("出勤時刻 ( XX:XX )"), this);
    du.Place(label, 41, 85, 63, 8);
    label = new QLabel(QStringLiteral("退社時刻 ( XX:XX )"), this);
    du.Place(label, 42, 112, 63, 8);
    label = new QLabel(QStringLiteral("勤務地"), this);
    du.Place(label, 22, 149, 24, 8);

    QWidget* order[] = {m_comboCategory,   m_editArrival,     m_editDeparture, m_editLocations,
                        m_btnOk,           m_btnCancel,       m_btnClear,      m_btnArrivalNow,
                        m_btnDepartureNow, m_btnPickLocations};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    // Enter in the four input fields moves on like Tab.
    MoveOnWithEnter({m_comboCategory, m_editArrival, m_editDeparture, m_editLocations});

    connect(m_btnOk, &QPushButton::clicked, this, &CAttendanceDlg::accept);
    connect(m_btnCancel, &QPushButton::clicked, this, &CAttendanceDlg::reject);
    connect(m_btnClear, &QPushButton::clicked, this, &CAttendanceDlg::OnClear);
    connect(m_btnArrivalNow, &QPushButton::clicked, this, &CAttendanceDlg::OnArrivalNow);
    connect(m_btnDepartureNow, &QPushButton::clicked, this, &CAttendanceDlg::OnDepartureNow);
    connect(m_btnPickLocations, &QPushButton::clicked, this, &CAttendanceDlg::OnPickLocations);
    // Only the user's choice counts as a selection change, not the dialog's own writes.
    connect(m_comboCategory, &QComboBox::activated, this, &CAttendanceDlg::OnSelChangeCategory);
}

void CAttendanceDlg::OnInitDialog() {
    UpdateData(false);
    if (m_pDoc)
        for (const std::string& name : m_pDoc->CategoryListEntries())
            m_comboCategory->addItem(ToQ(name));
    // An index with no entry (names removed from the settings) selects nothing.
    m_comboCategory->setCurrentIndex(m_nCurSel);
    m_wndHeading->setFont(m_fontHeading);
    m_wndDate->setFont(m_fontDate);
    ApplyDayTypeColours();
    m_comboCategory->setFocus();
}

void CAttendanceDlg::ApplyDayTypeColours() {
    QColor colour;
    if (m_nDayType == kSaturday)
        colour = QColor(0, 0, 255);
    else if (m_nDayType == kHoliday)
        colour = QColor(255, 0, 0);

    QPalette datePalette = m_wndDate->palette();
    datePalette.setColor(QPalette::WindowText, colour.isValid() ? colour : QColor(0, 0, 0));
    m_wndDate->setPalette(datePalette);

    QPalette headingPalette = palette();
    if (colour.isValid()) {
        headingPalette.setColor(QPalette::Window, colour);
        headingPalette.setColor(QPalette::WindowText, QColor(255, 255, 255));
        m_wndHeading->setAutoFillBackground(true);
    } else {
        m_wndHeading->setAutoFillBackground(false);
    }
    m_wndHeading->setPalette(headingPalette);
}

void CAttendanceDlg::UpdateData(bool save) {
    if (save) {
        m_strArrival = m_arrivalText.Read(m_editArrival);
        m_strDeparture = m_departureText.Read(m_editDeparture);
        m_strLocations = m_locationsText.Read(m_editLocations);
        m_nCategory = m_comboCategory->currentIndex();
    } else {
        m_wndDate->setText(ToQ(m_strDate));
        m_arrivalText.Write(m_editArrival, m_strArrival);
        m_departureText.Write(m_editDeparture, m_strDeparture);
        m_locationsText.Write(m_editLocations, m_strLocations);
        m_comboCategory->setCurrentIndex(m_nCategory);
    }
}

void CAttendanceDlg::OnArrivalNow() {
    UpdateData(true);
    m_strArrival = FormatNow();
    UpdateData(false);
    m_comboCategory->setCurrentIndex(m_nCurSel);
}

void CAttendanceDlg::OnDepartureNow() {
    UpdateData(true);
    m_strDeparture = FormatNow();
    UpdateData(false);
    m_comboCategory->setCurrentIndex(m_nCurSel);
}

void CAttendanceDlg::OnSelChangeCategory(int index) { m_nCurSel = index; }

void CAttendanceDlg::OnPickLocations() {
    UpdateData(true);
    CLocationDlg dlg(this);
    dlg.m_pDoc = m_pDoc;
    if (dlg.exec() != QDialog::Accepted) return;
    // The choice replaces the whole text, also when nothing was chosen.
    m_strLocations = dlg.m_strResult;
    UpdateData(false);
    m_comboCategory->setCurrentIndex(m_nCurSel);
}

void CAttendanceDlg::OnClear() {
    m_nCategory = -1;
    m_nCurSel = -1;
    m_strArrival.clear();
    m_strDeparture.clear();
    m_strLocations.clear();
    UpdateData(false);
}

QWidget* CAttendanceDlg::FieldWidget(AttendanceField field) const {
    switch (field) {
        case AttendanceField::category:
            return m_comboCategory;
        case AttendanceField::arrival:
            return m_editArrival;
        case AttendanceField::departure:
            return m_editDeparture;
        case AttendanceField::locations:
            return m_editLocations;
    }
    return m_comboCategory;
}

void CAttendanceDlg::accept() {
    if (!m_arrivalText.CheckStorable(m_editArrival) ||
        !m_departureText.CheckStorable(m_editDeparture) ||
        !m_locationsText.CheckStorable(m_editLocations))
        return;
    UpdateData(true);
    static const std::array<std::string, 10> kNoFlags{};
    const AttendanceResult result =
        CheckAttendance({m_nCategory, m_strArrival, m_strDeparture, m_strLocations},
                        m_pDoc ? m_pDoc->m_astrTimeFlags : kNoFlags);
    // One box per failing check, in order; the focus ends on the field of the last one.
    for (const CheckMessage& message : result.messages) {
        VespinMessageBox(message.text, MsgKind::ok, this);
        // The blank rule empties what the category forbids, right after its message.
        if (message.text == texts::kBlankArrival) {
            m_strArrival = result.corrected.arrival;
            UpdateData(false);
        } else if (message.text == texts::kBlankDeparture) {
            m_strDeparture = result.corrected.departure;
            UpdateData(false);
        } else if (message.text == texts::kBlankLocations) {
            m_strLocations = result.corrected.locations;
            UpdateData(false);
        }
        FieldWidget(message.focus)->setFocus();
    }
    if (result.accepted) QDialog::accept();
}
