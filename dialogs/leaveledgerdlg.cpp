#include "dialogs/leaveledgerdlg.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dialogs/dialogunits.h"
#include "framework/qt/qtstrings.h"
#include "model/civildate.h"
#include "model/leavebook.h"
#include "model/vespindoc.h"

namespace {

QString Date(int day) {
    const civil::Ymd d = civil::FromSerial(day);
    return QStringLiteral("%1/%2/%3")
        .arg(d.y)
        .arg(d.m, 2, 10, QLatin1Char('0'))
        .arg(d.d, 2, 10, QLatin1Char('0'));
}

QString Days(int halfDays) {
    return halfDays % 2 ? QStringLiteral("%1.5").arg(halfDays / 2) : QString::number(halfDays / 2);
}

QString Status(leave::Status s) {
    switch (s) {
        case leave::Status::met:
            return QStringLiteral("取得済み");
        case leave::Status::pending:
            return QStringLiteral("期限前");
        case leave::Status::unmet:
            return QStringLiteral("未達成");
    }
    return {};
}

// A read-only table with the given column titles, sized to about `rows` rows.
QTableWidget* Table(const QStringList& titles, int rows, QWidget* parent) {
    auto* t = new QTableWidget(0, static_cast<int>(titles.size()), parent);
    t->setHorizontalHeaderLabels(titles);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->horizontalHeader()->setStretchLastSection(true);
    t->setFixedHeight(t->horizontalHeader()->sizeHint().height() +
                      rows * t->verticalHeader()->defaultSectionSize() + 2 * t->frameWidth());
    return t;
}

void AddRow(QTableWidget* t, const QStringList& cells, bool alert = false) {
    const int r = t->rowCount();
    t->insertRow(r);
    for (int c = 0; c < cells.size(); ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        // Figures to the right; dates and texts to the left.
        bool figure = false;
        cells[c].toDouble(&figure);
        if (figure || cells[c].endsWith(QLatin1Char('%')))
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (alert) item->setForeground(QColor(0xc0, 0, 0));
        t->setItem(r, c, item);
    }
}

QGroupBox* Box(const QString& title, QWidget* content, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(content);
    return box;
}

}  // namespace

CLeaveLedgerDlg::CLeaveLedgerDlg(const CVespinDoc& doc, int asOf, QWidget* parent)
    : CVespinDialog(parent) {
    SetUpWindow(QStringLiteral("leaveLedgerDlg"), QStringLiteral("有給休暇管理簿"));
    const leave::Employment employment = leave::BookEmployment(doc);
    const leave::Ledger l = leave::BookLedger(doc, asOf);

    auto* layout = new QVBoxLayout(this);
    auto* title =
        NewHeading(QStringLiteral("社員№：%1　　氏名：%2　　入社日：%3")
                       .arg(ToQ(Sjis(doc.EmployeeNo())), ToQ(Sjis(doc.EmployeeName())),
                            employment.hire ? Date(*employment.hire) : QStringLiteral("未設定")));
    layout->addWidget(title);
    m_balance =
        new QLabel(QStringLiteral("%1 現在の残日数：%2日").arg(Date(asOf), Days(l.balance)), this);
    m_balance->setObjectName(QStringLiteral("balance"));
    layout->addWidget(m_balance);

    // The four tables at their full heights, in a scroll area for a screen too small for them.
    auto* sections = new QWidget;
    auto* body = new QVBoxLayout(sections);
    body->setContentsMargins(0, 0, 0, 0);
    m_grants = Table({QStringLiteral("基準日"), QStringLiteral("付与日数"),
                      QStringLiteral("出勤率"), QStringLiteral("使用"), QStringLiteral("失効"),
                      QStringLiteral("残"), QStringLiteral("使用期限")},
                     4, this);
    for (const leave::Grant& g : l.grants) {
        const QString rate = g.workdays == 0
                                 ? QStringLiteral("－")
                                 : QStringLiteral("%1%").arg(100L * g.attended / g.workdays);
        AddRow(m_grants,
               {Date(g.date), g.eligible ? Days(g.halfDays) : QStringLiteral("0 (8割未満)"), rate,
                Days(g.used), Days(g.expired), Days(g.left), Date(g.expires)});
    }
    m_grants->scrollToBottom();
    body->addWidget(Box(QStringLiteral("付与"), m_grants, this));

    m_takes = Table({QStringLiteral("取得日"), QStringLiteral("出勤区分"), QStringLiteral("日数"),
                     QStringLiteral("付与日 (日数)")},
                    8, this);
    for (const leave::Take& t : l.takes) {
        QStringList from;
        for (const leave::Portion& p : t.from)
            from << QStringLiteral("%1 (%2日)").arg(Date(p.grant), Days(p.halfDays));
        AddRow(m_takes,
               {Date(t.date), ToQ(Sjis(t.category)), Days(t.halfDays),
                from.isEmpty() ? QStringLiteral("残日数なし") : from.join(QStringLiteral("、"))},
               from.isEmpty());
    }
    m_takes->scrollToBottom();
    body->addWidget(Box(QStringLiteral("取得した日 (時季)"), m_takes, this));

    m_obligations = Table({QStringLiteral("基準日"), QStringLiteral("期限"),
                           QStringLiteral("取得日数"), QStringLiteral("状況")},
                          3, this);
    for (const leave::Obligation& o : l.obligations)
        AddRow(m_obligations,
               {Date(o.baseDate), Date(o.deadline),
                QStringLiteral("%1 / %2日").arg(Days(o.taken), Days(o.required)), Status(o.status)},
               o.status == leave::Status::unmet);
    m_obligations->scrollToBottom();
    body->addWidget(Box(QStringLiteral("年5日の取得義務"), m_obligations, this));

    m_problems = Table({QStringLiteral("日付"), QStringLiteral("内容")}, 2, this);
    for (const leave::Problem& p : l.problems)
        AddRow(m_problems, {Date(p.date), ToQ(Sjis(p.text))}, true);
    if (l.problems.empty()) AddRow(m_problems, {QString(), QStringLiteral("ありません")});
    body->addWidget(Box(QStringLiteral("問題"), m_problems, this));

    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    scroll->setWidget(sections);
    layout->addWidget(scroll, 1);

    // OK closes the window, as do Enter and Esc; 印刷 prints the grant year of the day shown.
    NewPrintButton()->setEnabled(!l.grants.empty());
    layout->addLayout(ButtonRow(false, {m_btnPrint}));

    // As tall as the tables need, within the screen.
    const int height =
        sizeHint().height() - scroll->sizeHint().height() + sections->sizeHint().height();
    const int width = DialogUnits(font()).Size(330, 0).width();
    if (ResizeWithinScreen(width, height))
        resize(width + style()->pixelMetric(QStyle::PM_ScrollBarExtent), this->height());
}
