#include "dialogs/worksummarydlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <iterator>

#include "dialogs/dialogunits.h"
#include "framework/qt/qtstrings.h"
#include "model/labourlaw.h"
#include "model/vespindoc.h"
#include "model/worksummary.h"
#include "model/worktime.h"

namespace {

QString Hours(int minutes) { return QString::fromStdString(worktime::FormatHours(minutes)); }

QString Clock(const std::string& t) { return t.empty() ? QStringLiteral("--:--") : ToQ(Sjis(t)); }

QLabel* RightAligned(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

}  // namespace

CWorkSummaryDlg::CWorkSummaryDlg(const CVespinDoc& doc, int fiscalYear, int month, QWidget* parent)
    : CVespinDialog(parent) {
    SetUpWindow(QStringLiteral("workSummaryDlg"), QStringLiteral("月の集計"));
    const std::optional<worktime::MonthSummary> s =
        worktime::SummarizeMonth(doc, fiscalYear, month);
    const worktime::MonthSummary summary = s.value_or(worktime::MonthSummary{});
    const worktime::Rules& rules = doc.Settings().m_workRules;

    auto* layout = new QVBoxLayout(this);
    auto* title = NewHeading(QStringLiteral("%1年 %2月 の勤務時間  (%3年度)")
                                 .arg(summary.calendarYear)
                                 .arg(month)
                                 .arg(fiscalYear));
    // The heading and the day's rules on one line: the window stays low on a small screen.
    auto* heading = new QHBoxLayout;
    heading->addWidget(title);
    heading->addStretch(1);
    layout->addLayout(heading);
    QStringList breaks;
    for (const worktime::Period& p : rules.breaks)
        breaks << QString::fromStdString(worktime::FormatPeriod(p));
    heading->addWidget(new QLabel(
        QStringLiteral("所定労働時間 %1　　休憩 %2")
            .arg(Hours(rules.scheduled),
                 breaks.isEmpty() ? QStringLiteral("なし") : breaks.join(QStringLiteral("、"))),
        this));

    // The figures: the month, and April up to this month.
    auto* times = new QGroupBox(QStringLiteral("勤務時間"), this);
    auto* grid = new QGridLayout(times);
    grid->setHorizontalSpacing(24);
    grid->addWidget(RightAligned(QStringLiteral("この月"), times), 0, 1);
    grid->addWidget(RightAligned(month == 4 ? QStringLiteral("年度累計 (4月)")
                                            : QStringLiteral("年度累計 (4月～%1月)").arg(month),
                                 times),
                    0, 2);
    const worktime::Totals* columns[2] = {&summary.monthTotals, &summary.yearTotals};
    struct Row {
        const char* name;
        QString label;
        int worktime::DayFigures::*figure;
    };
    const Row rows[] = {
        {"span", QStringLiteral("拘束時間"), &worktime::DayFigures::span},
        {"break", QStringLiteral("休憩時間"), &worktime::DayFigures::breakTime},
        {"worked", QStringLiteral("実働時間"), &worktime::DayFigures::worked},
        {"overtime", QStringLiteral("所定外労働"), &worktime::DayFigures::overtime},
        {"night", QStringLiteral("深夜労働"), &worktime::DayFigures::night},
        {"holidayWork", QStringLiteral("休日労働"), &worktime::DayFigures::holidayWork}};
    grid->addWidget(new QLabel(QStringLiteral("集計した日数"), times), 1, 0);
    for (int c = 0; c < 2; ++c) {
        QLabel* days = RightAligned(QStringLiteral("%1日").arg(columns[c]->days), times);
        m_figures[QStringLiteral("days%1").arg(c)] = days;
        grid->addWidget(days, 1, c + 1);
    }
    int r = 2;
    for (const Row& row : rows) {
        grid->addWidget(new QLabel(row.label, times), r, 0);
        for (int c = 0; c < 2; ++c) {
            QLabel* figure = RightAligned(Hours(columns[c]->sum.*row.figure), times);
            m_figures[QLatin1String(row.name) + QString::number(c)] = figure;
            grid->addWidget(figure, r, c + 1);
        }
        ++r;
    }
    // The figures and the days per category side by side: the window stays low enough for a
    // small screen at any scale.
    auto* figures = new QHBoxLayout;
    figures->addWidget(times, 1);
    layout->addLayout(figures);

    // The same days as the law counts them: 法定内 and 法定外 apart, the 法定休日 alone.
    auto* law = new QGroupBox(QStringLiteral("法定労働時間による集計 (この月)"), this);
    auto* lawGrid = new QGridLayout(law);
    lawGrid->setHorizontalSpacing(12);
    const labourlaw::Period lawPeriod =
        summary.calendarYear != 0 ? labourlaw::CalendarMonth(doc, summary.calendarYear, month)
                                  : labourlaw::Period{};
    const labourlaw::Figures& lawMonth = lawPeriod.f;
    const int breakShort = lawPeriod.breakShortDays;
    const std::pair<const char*, QString> lawRows[] = {
        {"withinStatutory", QStringLiteral("法定内残業")},
        {"overtimeLaw", QStringLiteral("法定時間外労働")},
        {"overtimeDaily", QStringLiteral("　うち 1日8時間超")},
        {"overtimeWeekly", QStringLiteral("　うち 週40時間超")},
        {"legalHolidayWork", QStringLiteral("法定休日労働")},
        {"otherHolidayWork", QStringLiteral("所定休日労働")},
        {"lawNight", QStringLiteral("深夜労働")},
        {"over60", QStringLiteral("月60時間超")},
    };
    const int lawValues[] = {lawMonth.withinStatutory,
                             lawMonth.Overtime(),
                             lawMonth.overtimeDaily,
                             lawMonth.overtimeWeekly,
                             lawMonth.legalHolidayWork,
                             lawMonth.otherHolidayWork,
                             lawMonth.night,
                             lawMonth.over60};
    for (size_t k = 0; k < std::size(lawRows); ++k) {
        lawGrid->addWidget(new QLabel(lawRows[k].second, law), static_cast<int>(k), 0);
        QLabel* figure = RightAligned(Hours(lawValues[k]), law);
        m_figures[QLatin1String(lawRows[k].first) + QString::number(0)] = figure;
        lawGrid->addWidget(figure, static_cast<int>(k), 1);
    }
    const int breakRow = static_cast<int>(std::size(lawRows));
    lawGrid->addWidget(new QLabel(QStringLiteral("休憩が足りない日 (34条)"), law), breakRow, 0);
    QLabel* shortDays = RightAligned(QStringLiteral("%1日").arg(breakShort), law);
    if (breakShort > 0) shortDays->setStyleSheet(QStringLiteral("color: #c00000;"));
    m_figures[QStringLiteral("breakShort0")] = shortDays;
    lawGrid->addWidget(shortDays, breakRow, 1);
    lawGrid->setRowStretch(lawGrid->rowCount(), 1);
    figures->addWidget(law);

    // The 36協定's monthly limit is on 法定時間外, not on 所定外.
    const int limit = doc.LawSettings().agreement.monthLimit;
    m_overtimeNote =
        new QLabel(QStringLiteral("法定時間外労働が月%1時間を超えています。\n"
                                  "36協定の限度時間は、月%1時間です。")
                       .arg(limit % 60 == 0 ? QString::number(limit / 60) : Hours(limit)),
                   this);
    m_overtimeNote->setObjectName(QStringLiteral("overtimeNote"));
    if (lawMonth.Overtime() > limit) {
        const QString red = QStringLiteral("color: #c00000;");
        Figure(QStringLiteral("overtimeLaw"), 0)->setStyleSheet(red);
        m_overtimeNote->setStyleSheet(red);
    } else {
        m_overtimeNote->hide();
    }
    layout->addWidget(m_overtimeNote);

    // Days per category, as the printed sheet counts them.
    auto* categories = new QGroupBox(QStringLiteral("出勤区分別の日数"), this);
    auto* catGrid = new QGridLayout(categories);
    catGrid->setHorizontalSpacing(16);
    int shown = 0;
    for (size_t k = 0; k < doc.Settings().m_astrCategories.size(); ++k) {
        if (doc.Settings().m_astrCategories[k].empty()) continue;
        auto* label = new QLabel(QStringLiteral("%1  %2日")
                                     .arg(ToQ(Sjis(doc.Settings().m_astrCategories[k])))
                                     .arg(summary.categoryDays[k]),
                                 categories);
        label->setObjectName(QStringLiteral("category%1").arg(k));
        catGrid->addWidget(label, shown / 2, shown % 2);
        ++shown;
    }
    catGrid->setRowStretch(catGrid->rowCount(), 1);
    figures->addWidget(categories);

    // Days left out of the figures.
    auto* incomplete = new QGroupBox(QStringLiteral("集計できない日 (ダブルクリックで入力)"), this);
    auto* incompleteLayout = new QVBoxLayout(incomplete);
    m_listIncomplete = new QListWidget(incomplete);
    m_listIncomplete->setObjectName(QStringLiteral("incompleteList"));
    for (int k : summary.incomplete) {
        const CDayRecord& d = *doc.Days()[k];
        const int c = d.GetCategory();
        const QString category =
            c >= 0 && c < 10 ? ToQ(Sjis(doc.Settings().m_astrCategories[static_cast<size_t>(c)]))
                             : QString();
        auto* item = new QListWidgetItem(
            QStringLiteral("%1月%2日 (%3)   %4 ～ %5   %6")
                .arg(d.GetMonth())
                .arg(d.GetDay())
                .arg(ToQ(Sjis(d.Weekday())), Clock(d.Start()), Clock(d.End()), category),
            m_listIncomplete);
        item->setData(Qt::UserRole, k);
    }
    // "None" is a remark, not a row to pick.
    if (summary.incomplete.empty())
        (new QListWidgetItem(QStringLiteral("ありません"), m_listIncomplete))
            ->setFlags(Qt::NoItemFlags);
    const DialogUnits du(font());
    // The list takes what the window gives: a few rows on a small screen, more when enlarged.
    m_listIncomplete->setMinimumHeight(du.Size(0, 6).height());
    m_listIncomplete->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    incompleteLayout->addWidget(m_listIncomplete);
    layout->addWidget(incomplete, 1);
    connect(m_listIncomplete, &QListWidget::itemDoubleClicked, this,
            &CWorkSummaryDlg::OnIncompleteDoubleClicked);

    // Enter and Esc both close the dialog; 印刷 is there when the caller can print.
    NewPrintButton()->hide();
    layout->addLayout(ButtonRow(false, {m_btnPrint}));

    // A few rows of the list to start with; it can be resized for more.
    resize(minimumSizeHint() + QSize(0, du.Size(0, 12).height()));
}

QLabel* CWorkSummaryDlg::Figure(const QString& name, int column) const {
    const auto it = m_figures.find(name + QString::number(column));
    return it == m_figures.end() ? nullptr : it->second;
}

void CWorkSummaryDlg::OnIncompleteDoubleClicked(QListWidgetItem* item) {
    const QVariant k = item ? item->data(Qt::UserRole) : QVariant();
    if (!k.isValid()) return;
    m_nOpenDay = k.toInt();
    accept();
}
