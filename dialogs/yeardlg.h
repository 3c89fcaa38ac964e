#pragma once

#include <QAbstractSpinBox>

#include "dialogs/vespindialog.h"

class QLineEdit;
class QPushButton;

// The year field of the registration dialog: free text, so that the OK checks see what was
// typed, with arrows that step the number by one within a range.
class CYearSpin : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit CYearSpin(QWidget* parent = nullptr);

    void SetRange(int lowest, int highest);
    int Lowest() const { return m_nLowest; }
    int Highest() const { return m_nHighest; }
    // The arrows' position; the text shows it after each step.
    void SetPos(int pos);
    int Pos() const { return m_nPos; }
    QLineEdit* Edit() const { return lineEdit(); }

    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;

private:
    // The number in the text, or the last position when the text holds none.
    int Current() const;

    int m_nLowest = 0;
    int m_nHighest = 100;
    int m_nPos = 0;
};

// 年度の登録: the fiscal year to register, 1998 to 2036 and not yet in the book (m_pDoc).
class CYearDlg : public CVespinDialog {
    Q_OBJECT
public:
    explicit CYearDlg(QWidget* parent = nullptr);

    CYearSpin* m_spin = nullptr;
    QLineEdit* m_edit = nullptr;
    int m_nYear = 1998;

    // The default year (the current fiscal year), the arrows' range, the focus.
    void OnInitDialog() override;

public slots:
    void accept() override;
};
