#include "output/qt/lawpaint.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <algorithm>
#include <functional>

#include "framework/qt/qtstrings.h"
#include "model/texts.h"
#include "model/vespindoc.h"
#include "output/lawreport.h"
#include "output/qt/sheetpaint.h"

namespace {

constexpr int kPageWidth = 2977;  // A4 at 360 dpi
constexpr int kPageBottom = 4000;
constexpr int kLeft = 240;
constexpr int kRight = kPageWidth - 240;
const QColor kRed(0xc0, 0, 0);

// What a page holds: the painter at 360 dpi, the pen and fonts set, a running line.
class Page {
public:
    Page(QPainter& painter, int dotsPerInch)
        : m_p(painter), m_font(BeginReportPage(painter, dotsPerInch)) {}
    ~Page() { m_p.restore(); }

    void Title(const std::string& text) {
        QFont title = m_font;
        title.setPixelSize(72);
        title.setBold(true);
        m_p.setFont(title);
        m_p.drawText(QRect(kLeft, y, kRight - kLeft, 120), Qt::AlignLeft | Qt::AlignVCenter,
                     ToQ(text));
        m_p.setFont(m_font);
        y += 150;
    }

    void Line(const std::string& text, bool red = false, int height = 64) {
        Pen(red);
        QFont f = m_font;
        f.setPixelSize(std::min(44, height * 2 / 3));
        m_p.setFont(f);
        m_p.drawText(QRect(kLeft, y, kRight - kLeft, height), Qt::AlignLeft | Qt::AlignVCenter,
                     ToQ(text));
        m_p.setFont(m_font);
        Pen(false);
        y += height + 8;
    }

    // A table from column x positions (the last is the right edge); the first row is the
    // heading, shaded; a total row is bold.
    void Table(const std::vector<lawreport::TableRow>& rows, const std::vector<int>& xs,
               int rowHeight) {
        for (size_t r = 0; r < rows.size(); ++r) {
            const lawreport::TableRow& row = rows[r];
            if (r == 0)
                m_p.fillRect(QRect(xs.front(), y, xs.back() - xs.front(), rowHeight),
                             QColor(230, 230, 230));
            QFont f = m_font;
            f.setBold(row.total);
            m_p.setFont(f);
            for (size_t c = 0; c + 1 < xs.size() && c < row.cells.size(); ++c) {
                const QRect cell(xs[c], y, xs[c + 1] - xs[c], rowHeight);
                m_p.drawRect(cell);
                Pen(row.red[c]);
                m_p.drawText(cell.adjusted(16, 0, -16, 0),
                             (c == 0 || r == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
                             ToQ(row.cells[c]));
                Pen(false);
            }
            m_p.setFont(m_font);
            y += rowHeight;
        }
        y += 40;
    }

    int y = 200;

private:
    void Pen(bool red) {
        QPen pen = m_p.pen();
        pen.setColor(red ? kRed : Qt::black);
        m_p.setPen(pen);
    }

    QPainter& m_p;
    QFont m_font;
};

}  // namespace

void PaintWorkSummary(QPainter& painter, int dotsPerInch, const CVespinDoc& doc, int fiscalYear,
                      int month) {
    const lawreport::SummaryPage s = lawreport::SummaryPageOf(doc, fiscalYear, month);
    Page page(painter, dotsPerInch);
    page.Title(s.title);
    page.Line(s.employee);
    page.Line(s.rules);
    page.y += 24;
    page.Table(s.times, {kLeft, kLeft + 900, kLeft + 1350, kLeft + 1900}, 72);
    page.Table(s.law, {kLeft, kLeft + 900, kLeft + 1350}, 72);
    if (!s.note.empty()) page.Line(s.note, true);
    page.y += 16;
    page.Line(texts::kSummaryCategories);
    std::string line;
    for (size_t k = 0; k < s.categories.size(); ++k) {
        line += (k % 5 ? "      " : "") + s.categories[k];
        if (k % 5 == 4 || k + 1 == s.categories.size()) {
            page.Line("    " + line);
            line.clear();
        }
    }
    page.y += 16;
    page.Line(texts::kSummaryIncomplete);
    // As many days as the page holds, closer together when there are many.
    const int room = kPageBottom - page.y;
    const int height =
        std::clamp(room / std::max<int>(1, static_cast<int>(s.incomplete.size())) - 8, 8, 64);
    for (const std::string& day : s.incomplete)
        if (page.y + height <= kPageBottom) page.Line("    " + day, false, height);
}

void PaintAgreement(QPainter& painter, int dotsPerInch, const CVespinDoc& doc, int fiscalYear,
                    int month) {
    const lawreport::AgreementTable t =
        lawreport::AgreementTableOf(doc, month >= 4 ? fiscalYear : fiscalYear + 1, month);
    Page page(painter, dotsPerInch);
    page.Title(t.title);
    page.Line(lawreport::SummaryPageOf(doc, fiscalYear, month).employee);
    page.Line(t.limits);
    page.y += 24;
    std::vector<lawreport::TableRow> rows;
    lawreport::TableRow head;
    head.cells = t.columns;
    head.red.assign(t.columns.size(), false);
    rows.push_back(head);
    rows.insert(rows.end(), t.rows.begin(), t.rows.end());
    std::vector<int> xs = {kLeft};
    xs.push_back(kLeft + 420);
    for (size_t c = 1; c < t.columns.size(); ++c)
        xs.push_back(xs.back() + (kRight - kLeft - 420) / 8);
    page.Table(rows, xs, 80);
    page.Line(t.yearLine, t.yearLineRed);
    page.y += 24;
    if (t.findings.empty()) page.Line(t.noFindings);
    // Every finding, smaller when there are many.
    const int room = kPageBottom - page.y;
    const int height =
        std::clamp(room / std::max<int>(1, static_cast<int>(t.findings.size())) - 8, 8, 56);
    for (const std::string& f : t.findings)
        if (page.y + height <= kPageBottom) page.Line(f, true, height);
}

QByteArray WorkSummaryPdf(const CVespinDoc& doc, int fiscalYear, int month) {
    return A4Pdf(QStringLiteral("月の集計"),
                 [&](QPainter& p, int dpi) { PaintWorkSummary(p, dpi, doc, fiscalYear, month); });
}

QByteArray AgreementPdf(const CVespinDoc& doc, int fiscalYear, int month) {
    return A4Pdf(QStringLiteral("36協定の状況"),
                 [&](QPainter& p, int dpi) { PaintAgreement(p, dpi, doc, fiscalYear, month); });
}
