#include "dialogs/employmentdlg.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dialogs/dialogunits.h"
#include "framework/qt/messagebox.h"
#include "framework/qt/qtstrings.h"
#include "model/civildate.h"
#include "model/texts.h"

namespace {

QString Date(int day) { return QString::fromStdString(civil::Slashed(day)); }

QString Hours(int centi) {
    QString s = QString::number(centi / 100);
    if (centi % 100) s += QStringLiteral(".%1").arg(centi % 100, 2, 10, QLatin1Char('0'));
    if (s.endsWith(QLatin1Char('0')) && s.contains(QLatin1Char('.'))) s.chop(1);
    return s;
}

QString HalfDays(int half) {
    return half % 2 ? QStringLiteral("%1.5").arg(half / 2) : QString::number(half / 2);
}

// The tables' height in dialog units: at least, and to start with where the screen allows.
constexpr int kTableLeast = 30;
constexpr int kTableStart = 60;

// An editable table with add and delete buttons beneath it, in a group box.
QGroupBox* EditableTable(const QString& title, const QString& hint, QTableWidget*& table,
                         const QStringList& columns, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(new QLabel(hint, box));
    table = new QTableWidget(0, static_cast<int>(columns.size()), box);
    table->setHorizontalHeaderLabels(columns);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    const DialogUnits du(parent->font());
    table->setMinimumHeight(du.Size(0, kTableLeast).height());
    layout->addWidget(table);
    auto* buttons = new QHBoxLayout;
    auto* add = new QPushButton(QStringLiteral("行の追加"), box);
    auto* remove = new QPushButton(QStringLiteral("行の削除"), box);
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    QTableWidget* t = table;
    QObject::connect(add, &QPushButton::clicked, t, [t] {
        t->insertRow(t->rowCount());
        for (int c = 0; c < t->columnCount(); ++c)
            t->setItem(t->rowCount() - 1, c, new QTableWidgetItem);
        t->setCurrentCell(t->rowCount() - 1, 0);
        t->editItem(t->item(t->rowCount() - 1, 0));
    });
    QObject::connect(remove, &QPushButton::clicked, t, [t] {
        if (t->currentRow() >= 0) t->removeRow(t->currentRow());
    });
    return box;
}

void AddRow(QTableWidget* t, const QStringList& cells) {
    const int r = t->rowCount();
    t->insertRow(r);
    for (int c = 0; c < cells.size(); ++c) t->setItem(r, c, new QTableWidgetItem(cells[c]));
}

std::string Cell(const QTableWidget* t, int r, int c) {
    const QTableWidgetItem* item = t->item(r, c);
    return item ? item->text().trimmed().toStdString() : std::string();
}

}  // namespace

CEmploymentDlg::CEmploymentDlg(const leave::Employment& employment, QWidget* parent)
    : CVespinDialog(parent), m_employment(employment) {
    SetUpWindow(QStringLiteral("employmentDlg"), QStringLiteral("雇用情報の設定"));
    auto* layout = new QVBoxLayout(this);

    auto* hire = new QHBoxLayout;
    hire->addWidget(new QLabel(QStringLiteral("入社日"), this));
    m_editHire = new QLineEdit(this);
    m_editHire->setObjectName(QStringLiteral("hireEdit"));
    m_editHire->setPlaceholderText(QStringLiteral("YYYY/MM/DD"));
    if (employment.hire) m_editHire->setText(Date(*employment.hire));
    hire->addWidget(m_editHire);
    hire->addStretch(1);
    layout->addLayout(hire);

    layout->addWidget(EditableTable(
        QStringLiteral("契約 (比例付与)"),
        QStringLiteral("所定労働日数は週の日数 (4) か、年間の日数に y を付けて (y216)"),
        m_contracts,
        {QStringLiteral("開始日"), QStringLiteral("所定労働日数"),
         QStringLiteral("週所定労働時間")},
        this));
    m_contracts->setObjectName(QStringLiteral("contracts"));
    for (const leave::Contract& c : employment.contracts)
        AddRow(m_contracts, {Date(c.from),
                             c.daysPerWeek ? QString::number(c.daysPerWeek)
                                           : QStringLiteral("y%1").arg(c.daysPerYear),
                             Hours(c.centiHours)});

    layout->addWidget(EditableTable(
        QStringLiteral("この出勤簿より前の付与"),
        QStringLiteral("出勤簿の最初の日より前に使用した日数 (0.5 日単位)"), m_opening,
        {QStringLiteral("付与日"), QStringLiteral("使用済みの日数")}, this));
    m_opening->setObjectName(QStringLiteral("opening"));
    for (const leave::OpeningUse& u : employment.opening)
        AddRow(m_opening, {Date(u.grant), HalfDays(u.halfDays)});

    layout->addLayout(ButtonRow(true));
    const DialogUnits du(font());
    ResizeWithinScreen(
        du.Size(260, 0).width(),
        minimumSizeHint().height() + du.Size(0, 2 * (kTableStart - kTableLeast)).height());
}

bool CEmploymentDlg::Collect(leave::Employment& e) {
    auto refuse = [this](const Sjis& text, QWidget* focus) {
        VespinMessageBox(ToQ(text), MsgKind::ok, this);
        focus->setFocus();
        return false;
    };
    const std::string hireText = m_editHire->text().trimmed().toStdString();
    if (!hireText.empty()) {
        const std::optional<int> day = civil::ParseTyped(hireText);
        if (!day) return refuse(texts::kHireDateWrong, m_editHire);
        if (std::string no = leave::SetHire(e, *day); !no.empty())
            return refuse(Sjis(no), m_editHire);
    }
    for (int r = 0; r < m_contracts->rowCount(); ++r) {
        m_contracts->setCurrentCell(r, 0);
        if (Cell(m_contracts, r, 0).empty() && Cell(m_contracts, r, 1).empty() &&
            Cell(m_contracts, r, 2).empty())
            continue;
        leave::Contract c;
        const std::optional<int> from = civil::ParseTyped(Cell(m_contracts, r, 0));
        if (!from) return refuse(texts::kContractDateWrong, m_contracts);
        c.from = *from;
        if (!leave::ParseContractDays(Cell(m_contracts, r, 1), c))
            return refuse(texts::kContractDaysWrong, m_contracts);
        c.centiHours = leave::ParseCentiHours(Cell(m_contracts, r, 2));
        if (std::string no = leave::SetContract(e, c); !no.empty())
            return refuse(Sjis(no), m_contracts);
    }
    for (int r = 0; r < m_opening->rowCount(); ++r) {
        m_opening->setCurrentCell(r, 0);
        if (Cell(m_opening, r, 0).empty() && Cell(m_opening, r, 1).empty()) continue;
        const std::optional<int> grant = civil::ParseTyped(Cell(m_opening, r, 0));
        if (!grant) return refuse(texts::kLeaveUsedDateWrong, m_opening);
        const int half = leave::ParseHalfDays(Cell(m_opening, r, 1));
        if (half < 0) return refuse(texts::kLeaveUsedDaysWrong, m_opening);
        if (std::string no = leave::SetOpeningUse(e, {*grant, half}); !no.empty())
            return refuse(Sjis(no), m_opening);
    }
    return true;
}

void CEmploymentDlg::accept() {
    leave::Employment e;
    if (!Collect(e)) return;
    m_employment = e;
    CVespinDialog::accept();
}
