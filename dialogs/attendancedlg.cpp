#include "dialogs/attendancedlg.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>

#include "dialogs/locationdlg.h"
#include "framework/clock.h"
#include "framework/qt/messagebox.h"
#include "framework/qt/programfont.h"
#include "framework/qt/qtstrings.h"
#include "model/checks.h"
#include "model/dayrecord.h"
#include "model/vespindoc.h"

namespace {

QLabel* FramedLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    return label;
}

std::string FormatNow() {
    const LocalTime now = clock_::Now();
    char text[16];
    std::snprintf(text, sizeof text, "%.2d:%.2d", now.hour, now.minute);
    return text;
}

}  // namespace

CAttendanceDlg::CAttendanceDlg(QWidget* parent) : CVespinDialog(parent) {
    const DialogUnits du = SetUpTemplate(QStringLiteral("CAttendanceDlg"),
                                         QStringLiteral("勤怠情報のセット"), 230, 191);

    m_fontHeading = ProgramFont();
    m_fontHeading.setPixelSize(18);
    m_fontHeading.setWeight(QFont::ExtraBold);
    m_fontDate = ProgramFont();
    m_fontDate.setPixelSize(17);
    m_fontDate.setWeight(QFont::Normal);

    // Drawn first so that the time fields lie above it.
    auto* timeGroup = new QGroupBox(QStringLiteral("出社・退社時刻"), this);
    du.Place(timeGroup, 24, 68, 185, 67);

    // The controls in template order, which is also the tab order.
    m_comboCategory = new QComboBox(this);
    m_comboCategory->setObjectName(QStringLiteral("categoryList"));
    m_comboCategory->setEditable(false);
    // The template's height of 95 is the opened list's; closed it is one line.
    du.Place(m_comboCategory, 65, 43, 49, 14);

    // Times are typed in ASCII; the location field is Japanese text.
    m_editArrival = AddEdit(du, QStringLiteral("arrivalEdit"), Entry::ascii, {109, 83, 40, 14});
    m_editDeparture =
        AddEdit(du, QStringLiteral("departureEdit"), Entry::ascii, {110, 109, 40, 14});
    m_editLocations =
        AddEdit(du, QStringLiteral("locationsEdit"), Entry::japanese, {48, 147, 114, 14});

    AddOkCancel(du, {54, 170}, {124, 170});
    m_btnClear = AddButton(du, QStringLiteral("現在のデータの初期化"),
                           QStringLiteral("clearButton"), {128, 42, 80, 14});
    const QString now = QStringLiteral("現在時刻");
    m_btnArrivalNow = AddButton(du, now, QStringLiteral("arrivalNowButton"), {157, 83, 38, 14});
    m_btnDepartureNow =
        AddButton(du, now, QStringLiteral("departureNowButton"), {156, 110, 39, 14});
    m_btnPickLocations = AddButton(du, QStringLiteral("一覧から選択"),
                                   QStringLiteral("pickLocationsButton"), {168, 148, 48, 14});

    m_wndHeading = FramedLabel(this);
    m_wndHeading->setObjectName(QStringLiteral("headingLabel"));
    m_wndHeading->setText(QStringLiteral("今日の勤怠"));
    m_wndHeading->setFrameStyle(QFrame::NoFrame);
    du.Place(m_wndHeading, 7, 13, 63, 15);
    // Its frame stays black on the coloured heading of a Saturday or holiday (a label draws
    // its frame in its text colour, white there): a frame of its own, laid over it.
    auto* headingFrame = FramedLabel(this);
    headingFrame->setObjectName(QStringLiteral("headingFrame"));
    du.Place(headingFrame, 7, 13, 63, 15);

    // The date's frame stays black while its text takes the day's colour: the frame is a
    // widget of its own under a frameless label.
    auto* dateFrame = FramedLabel(this);
    dateFrame->setObjectName(QStringLiteral("dateFrame"));
    du.Place(dateFrame, 83, 15, 132, 13);
    m_wndDate = new QLabel(this);
    m_wndDate->setObjectName(QStringLiteral("dateLabel"));
    m_wndDate->setAlignment(Qt::AlignCenter);
    du.Place(m_wndDate, 83, 15, 132, 13);

    AddLabel(du, QStringLiteral("出勤区分"), {25, 45, 31, 8});
    AddLabel(du, QStringLiteral("出勤時刻 ( XX:XX )"), {41, 85, 63, 8});
    AddLabel(du, QStringLiteral("退社時刻 ( XX:XX )"), {42, 112, 63, 8});
    AddLabel(du, QStringLiteral("勤務地"), {22, 149, 24, 8});

    // Enter in the four input fields moves on like Tab.
    MoveOnWithEnter({m_comboCategory, m_editArrival, m_editDeparture, m_editLocations});

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
        for (const std::string& name : m_pDoc->Settings().CategoryListEntries())
            m_comboCategory->addItem(ToQ(Sjis(name)));
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
                        m_pDoc ? m_pDoc->Settings().m_astrTimeFlags : kNoFlags);
    // One box per failing check, in order; the focus ends on the field of the last one.
    for (const CheckMessage& message : result.messages) {
        VespinMessageBox(message.text, MsgKind::ok, this);
        // The blank rule empties what the category forbids, right after its message.
        if (message.problem == AttendanceProblem::notAllowed) {
            switch (message.focus) {
                case AttendanceField::arrival:
                    m_strArrival = result.corrected.start;
                    break;
                case AttendanceField::departure:
                    m_strDeparture = result.corrected.end;
                    break;
                case AttendanceField::locations:
                    m_strLocations = result.corrected.place;
                    break;
                case AttendanceField::category:
                    break;
            }
            UpdateData(false);
        }
        FieldWidget(message.focus)->setFocus();
    }
    if (result.accepted) QDialog::accept();
}
