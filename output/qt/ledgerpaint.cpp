#include "output/qt/ledgerpaint.h"

#include <QPainter>
#include <algorithm>

#include "framework/qt/qtstrings.h"
#include "model/civildate.h"
#include "model/holidays.h"
#include "model/leavebook.h"
#include "model/texts.h"
#include "model/vespindoc.h"
#include "output/qt/sheetpaint.h"

namespace {

constexpr int kPageWidth = 2977;  // A4 at 360 dpi
constexpr int kLeft = 240;
constexpr int kRight = kPageWidth - 240;

QString Date(int day) {
    const civil::Ymd d = civil::FromSerial(day);
    return QStringLiteral("%1年%2月%3日").arg(d.y).arg(d.m).arg(d.d);
}

QString DateWithWeekday(int day) {
    const civil::Ymd d = civil::FromSerial(day);
    return Date(day) +
           QStringLiteral("(%1)").arg(ToQ(texts::kWeekdays[holidays::DayOfWeek(d.y, d.m, d.d)]));
}

QString Days(int halfDays) {
    return (halfDays % 2 ? QStringLiteral("%1.5").arg(halfDays / 2)
                         : QString::number(halfDays / 2)) +
           QStringLiteral("日");
}

// The grant year of `date`: the last grant on or before it, up to the day before the next grant
// or a year, whichever comes first.
struct GrantYear {
    int grant = -1;  // index in the ledger's grants
    int from = 0;
    int to = 0;
};

GrantYear FindYear(const leave::Ledger& l, int date) {
    GrantYear y;
    for (size_t i = 0; i < l.grants.size(); ++i)
        if (l.grants[i].date <= date) y.grant = static_cast<int>(i);
    if (y.grant < 0) return y;
    y.from = l.grants[static_cast<size_t>(y.grant)].date;
    y.to = civil::AfterMonths(y.from, 12) - 1;
    return y;
}

}  // namespace

bool HasLedgerYear(const CVespinDoc& doc, int date) {
    return FindYear(leave::BookLedger(doc, date), date).grant >= 0;
}

void PaintLedger(QPainter& painter, int dotsPerInch, const CVespinDoc& doc, int date) {
    // The whole year's dates, those entered ahead included.
    const GrantYear first = FindYear(leave::BookLedger(doc, date), date);
    if (first.grant < 0) return;
    const leave::Ledger l = leave::BookLedger(doc, first.to);
    const leave::Grant& g = l.grants[static_cast<size_t>(first.grant)];
    const leave::Employment e = leave::BookEmployment(doc);

    const QFont font = BeginReportPage(painter, dotsPerInch);

    QFont titleFont = font;
    titleFont.setPixelSize(84);
    titleFont.setBold(true);
    painter.setFont(titleFont);
    painter.drawText(QRect(kLeft, 200, kRight - kLeft, 140), Qt::AlignCenter,
                     QStringLiteral("年 次 有 給 休 暇 管 理 簿"));
    painter.setFont(font);

    int y = 420;
    auto line = [&](const QString& text) {
        painter.drawText(QRect(kLeft, y, kRight - kLeft, 64), Qt::AlignLeft | Qt::AlignVCenter,
                         text);
        y += 72;
    };
    line(QStringLiteral("社員№：%1　　氏名：%2")
             .arg(ToQ(doc.EmployeeNo()), ToQ(doc.EmployeeName())));
    line(QStringLiteral("入社日：%1").arg(e.hire ? Date(*e.hire) : QString()));
    const QString rate = g.workdays == 0
                             ? QStringLiteral("－")
                             : QStringLiteral("%1%").arg(100L * g.attended / g.workdays);
    line(QStringLiteral("基準日：%1　　付与日数：%2　　出勤率：%3　　使用期限：%4")
             .arg(Date(g.date), Days(g.halfDays), rate, Date(g.expires)));
    // A previous year that overlaps this one makes it the second base date.
    if (first.grant > 0) {
        const leave::Grant& prev = l.grants[static_cast<size_t>(first.grant - 1)];
        if (civil::AfterMonths(prev.date, 12) > g.date)
            line(QStringLiteral("第一基準日：%1　　第二基準日：%2")
                     .arg(Date(prev.date), Date(g.date)));
    }
    y += 24;

    // The dates taken in the year.
    std::vector<const leave::Take*> takes;
    for (const leave::Take& t : l.takes)
        if (t.date >= first.from && t.date <= first.to) takes.push_back(&t);
    const int columns[] = {kLeft, kLeft + 160, kLeft + 820, kLeft + 1180, kLeft + 1480, kRight};
    const QString heads[] = {QStringLiteral("№"), QStringLiteral("取得日 (時季)"),
                             QStringLiteral("区分"), QStringLiteral("日数"),
                             QStringLiteral("充当した付与 (基準日)")};
    const int bottom = 3700;
    const int rowHeight = std::clamp(
        (bottom - y - 80) / std::max<int>(1, static_cast<int>(takes.size()) + 1), 30, 80);
    QFont rowFont = font;
    rowFont.setPixelSize(std::min(44, rowHeight * 6 / 10));
    auto row = [&](const QString(&cells)[5], bool head) {
        if (head)
            painter.fillRect(QRect(kLeft, y, kRight - kLeft, rowHeight), QColor(230, 230, 230));
        for (int c = 0; c < 5; ++c) {
            painter.drawRect(QRect(columns[c], y, columns[c + 1] - columns[c], rowHeight));
            painter.drawText(QRect(columns[c] + 16, y, columns[c + 1] - columns[c] - 32, rowHeight),
                             (c == 0 || c == 3 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                             cells[c]);
        }
        y += rowHeight;
    };
    painter.setFont(rowFont);
    row(heads, true);
    int taken = 0;
    for (size_t i = 0; i < takes.size(); ++i) {
        const leave::Take& t = *takes[i];
        QStringList from;
        for (const leave::Portion& p : t.from)
            from << QStringLiteral("%1 %2").arg(Date(p.grant), Days(p.halfDays));
        for (const leave::Portion& p : t.from) taken += p.halfDays;
        const QString cells[5] = {
            QString::number(i + 1), DateWithWeekday(t.date), ToQ(t.category), Days(t.halfDays),
            from.isEmpty() ? QStringLiteral("残日数なし") : from.join(QStringLiteral("、"))};
        row(cells, false);
    }
    painter.setFont(font);
    y += 40;
    line(QStringLiteral("この年に取得した日数：%1").arg(Days(taken)));
    line(QStringLiteral("%1 現在の残日数：%2").arg(Date(first.to), Days(l.balance)));
    for (const leave::Expiry& x : l.expiries)
        if (x.date >= first.from && x.date <= first.to + 1)
            line(QStringLiteral("失効：%1付与分 %2 (%3)")
                     .arg(Date(x.grant), Days(x.halfDays), Date(x.date)));
    for (const leave::Obligation& o : l.obligations) {
        if (o.baseDate != g.date) continue;
        const QString status = o.status == leave::Status::met       ? QStringLiteral("取得済み")
                               : o.status == leave::Status::pending ? QStringLiteral("期限前")
                                                                    : QStringLiteral("未達成");
        line(QStringLiteral("年5日の取得義務：期限 %1　取得 %2 / %3　%4")
                 .arg(Date(o.deadline), Days(o.taken), Days(o.required), status));
    }
    y = bottom + 80;
    line(
        QStringLiteral("(注) 基準日から1年間に取得した年次有給休暇の日数と時季を記載しています。"));
    painter.restore();
}

QByteArray LedgerPdf(const CVespinDoc& doc, int date) {
    return A4Pdf(QStringLiteral("年次有給休暇管理簿"),
                 [&](QPainter& painter, int dpi) { PaintLedger(painter, dpi, doc, date); });
}
