#include "dialogs/agreementdlg.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/dialogunits.h"
#include "framework/qt/qtstrings.h"
#include "model/labourlaw.h"
#include "model/vespindoc.h"
#include "output/lawreport.h"

namespace {

const QColor kRed(0xc0, 0, 0);

}  // namespace

CAgreementDlg::CAgreementDlg(const CVespinDoc& doc, int fiscalYear, int month, QWidget* parent)
    : CVespinDialog(parent) {
    SetUpWindow(QStringLiteral("agreementDlg"), QStringLiteral("36協定の状況"));
    const lawreport::AgreementTable t =
        lawreport::AgreementTableOf(doc, month >= 4 ? fiscalYear : fiscalYear + 1, month);

    auto* layout = new QVBoxLayout(this);
    auto* heading = new QHBoxLayout;
    auto* title = NewHeading(ToQ(Sjis(t.title)));
    heading->addWidget(title);
    heading->addStretch(1);
    heading->addWidget(new QLabel(ToQ(Sjis(t.limits)), this));
    layout->addLayout(heading);

    // The months and the year as one table: the figures line up, the red ones stand out.
    m_months =
        new QTableWidget(static_cast<int>(t.rows.size()), static_cast<int>(t.columns.size()), this);
    m_months->setObjectName(QStringLiteral("agreementMonths"));
    QStringList heads;
    for (const std::string& c : t.columns) heads << ToQ(Sjis(c));
    m_months->setHorizontalHeaderLabels(heads);
    m_months->verticalHeader()->hide();
    m_months->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_months->setSelectionMode(QAbstractItemView::NoSelection);
    m_months->setFocusPolicy(Qt::NoFocus);
    m_months->setWordWrap(false);
    const int rowHeight = fontMetrics().height() + 2;
    m_months->verticalHeader()->setMinimumSectionSize(rowHeight);
    m_months->verticalHeader()->setDefaultSectionSize(rowHeight);
    m_months->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int r = 0; r < static_cast<int>(t.rows.size()); ++r) {
        const lawreport::TableRow& row = t.rows[static_cast<size_t>(r)];
        for (int c = 0; c < static_cast<int>(row.cells.size()); ++c) {
            auto* item = new QTableWidgetItem(ToQ(Sjis(row.cells[static_cast<size_t>(c)])));
            item->setTextAlignment((c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            if (row.red[static_cast<size_t>(c)]) item->setForeground(kRed);
            if (row.total) {
                QFont f = font();
                f.setBold(true);
                item->setFont(f);
            }
            m_months->setItem(r, c, item);
        }
    }
    m_months->resizeColumnsToContents();
    QHeaderView* h = m_months->horizontalHeader();
    for (int c = 1; c < m_months->columnCount(); ++c)
        h->resizeSection(c,
                         std::max(h->sectionSize(c),
                                  fontMetrics().horizontalAdvance(QStringLiteral("888:88")) + 12));
    h->setStretchLastSection(true);
    // The whole year without a scroll bar: the table asks for all of its rows.
    m_months->ensurePolished();
    const int tableHeight =
        h->sizeHint().height() + m_months->verticalHeader()->length() + 2 * m_months->frameWidth();
    m_months->setFixedHeight(tableHeight);
    m_months->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_months->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int tableWidth = 2 * m_months->frameWidth();
    for (int c = 0; c < m_months->columnCount(); ++c) tableWidth += h->sectionSize(c);
    m_months->setMinimumWidth(tableWidth);
    layout->addWidget(m_months);

    m_yearLine = new QLabel(ToQ(Sjis(t.yearLine)), this);
    m_yearLine->setObjectName(QStringLiteral("yearLine"));
    if (t.yearLineRed) m_yearLine->setStyleSheet(QStringLiteral("color: #c00000;"));

    // What the limits say: each finding with its rule, in red, wrapped to the window's width.
    m_findings = new QListWidget(this);
    m_findings->setObjectName(QStringLiteral("findings"));
    m_findings->setWordWrap(true);
    m_findings->setSelectionMode(QAbstractItemView::NoSelection);
    m_findings->setFocusPolicy(Qt::NoFocus);
    m_findings->setResizeMode(QListView::Adjust);
    m_findings->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (const std::string& line : t.findings) {
        auto* item = new QListWidgetItem(ToQ(Sjis(line)), m_findings);
        item->setForeground(kRed);
    }
    if (t.findings.empty())
        (new QListWidgetItem(ToQ(Sjis(t.noFindings)), m_findings))->setFlags(Qt::NoItemFlags);
    m_findings->setMinimumHeight(fontMetrics().height() * 3 + 2 * m_findings->frameWidth());
    m_findings->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(m_findings, 1);

    // The year's counts share the buttons' line: the window stays low on a small screen.
    NewPrintButton()->hide();
    QHBoxLayout* buttons = ButtonRow(false, {m_btnPrint});
    buttons->insertWidget(0, m_yearLine);  // before the stretch
    layout->addLayout(buttons);
    // Room for a few findings to start with, more where the screen has it; the window can be
    // enlarged.
    const int line = fontMetrics().height();
    int height = minimumSizeHint().height() + line * 2;
    if (const QScreen* s = screen())
        height = std::max(height, std::min(s->availableGeometry().height() - 8 * line,
                                           minimumSizeHint().height() +
                                               line * 2 * std::min(m_findings->count(), 8)));
    resize(minimumSizeHint().width(), height);
}
