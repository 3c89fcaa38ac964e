#include "dialogs/yeardlg.h"

#include <QLineEdit>
#include <algorithm>

#include "dialogs/inputedit.h"
#include "framework/clock.h"
#include "framework/qt/messagebox.h"
#include "framework/qt/qtstrings.h"
#include "model/checks.h"
#include "model/vespindoc.h"

// ---------------------------------------------------------------------------------------------
// CYearSpin

CYearSpin::CYearSpin(QWidget* parent) : QAbstractSpinBox(parent) {
    // A number field: no input method.
    setLineEdit(new CInputEdit(CInputEdit::Kind::ascii, this));
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAccelerated(false);  // holding an arrow steps by one, never faster
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
}

void CYearSpin::SetRange(int lowest, int highest) {
    m_nLowest = lowest;
    m_nHighest = highest;
}

void CYearSpin::SetPos(int pos) { m_nPos = std::clamp(pos, m_nLowest, m_nHighest); }

int CYearSpin::Current() const {
    bool ok = false;
    const int value = text().trimmed().toInt(&ok);
    return ok ? value : m_nPos;
}

void CYearSpin::stepBy(int steps) {
    SetPos(Current() + steps);
    lineEdit()->setText(QString::number(m_nPos));
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled CYearSpin::stepEnabled() const {
    const int value = Current();
    StepEnabled e = StepNone;
    if (value < m_nHighest) e |= StepUpEnabled;
    if (value > m_nLowest) e |= StepDownEnabled;
    return e;
}

// ---------------------------------------------------------------------------------------------
// CYearDlg

CYearDlg::CYearDlg(QWidget* parent) : CVespinDialog(parent) {
    const DialogUnits du =
        SetUpTemplate(QStringLiteral("yearDlg"), QStringLiteral("年度の登録"), 185, 87);

    m_spin = new CYearSpin(this);
    m_spin->setObjectName(QStringLiteral("yearSpin"));
    m_edit = m_spin->Edit();
    m_edit->setObjectName(QStringLiteral("yearEdit"));
    du.Place(m_spin, 48, 27, 56, 14);

    AddLabel(du, QStringLiteral("年度"), {24, 30, 22, 10});
    AddOkCancel(du, {128, 7}, {128, 25});
}

void CYearDlg::OnInitDialog() {
    const LocalTime now = clock_::Now();
    m_nYear = FiscalYearOf(now.year, now.month);
    m_spin->SetRange(CVespinDoc::kFirstYear, CVespinDoc::kLastYear);
    m_spin->SetPos(m_nYear);
    m_edit->setText(QString::number(m_nYear));
    m_edit->setFocus(Qt::OtherFocusReason);
    m_edit->selectAll();
}

void CYearDlg::accept() {
    static const CRecordArray<CYearRecord> kNoYears;
    const YearCheckResult r =
        CheckYearText(FromQ(m_edit->text()), m_pDoc ? m_pDoc->Years() : kNoYears);
    if (!r.accepted) {
        VespinMessageBox(r.message, MsgKind::ok, this);
        // A number that is no number or out of range is selected for retyping; a year that
        // exists is left as typed.
        if (r.problem != YearProblem::exists) {
            m_edit->setFocus(Qt::OtherFocusReason);
            m_edit->selectAll();
        }
        return;
    }
    m_nYear = r.year;
    QDialog::accept();
}
